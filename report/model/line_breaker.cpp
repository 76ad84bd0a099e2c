#include "report/model/line_breaker.h"

namespace kopira::report {
namespace {

bool isBreakCharacter(QChar c) { return c == u'\r' || c == u' ' || c == u'-'; }

// Length in UTF-16 units of the whole character at the front / back of s.
qsizetype frontCharLength(const QString& s) {
  return s.size() >= 2 && s.at(0).isHighSurrogate() && s.at(1).isLowSurrogate() ? 2 : 1;
}
qsizetype backCharLength(const QString& s) {
  const qsizetype n = s.size();
  return n >= 2 && s.at(n - 1).isLowSurrogate() && s.at(n - 2).isHighSurrogate() ? 2 : 1;
}

QStringList splitWords(const QString& line) {
  QStringList words;
  qsizetype start = 0;
  for (qsizetype i = 0; i < line.size(); ++i) {
    if (isBreakCharacter(line.at(i))) {
      words << line.mid(start, i + 1 - start);
      start = i + 1;
    }
  }
  if (start < line.size()) words << line.mid(start);
  return words;
}

// Builds the lines of one source line word by word.
class LineFiller {
 public:
  LineFiller(const LineBreakRules& rules, const TextWidth& width, QStringList& out)
      : rules_(rules), width_(width), out_(out) {}

  void addWord(QString word) {
    if (width_(pending_ + word) <= rules_.width) {
      pending_ += word;
      return;
    }
    if (pending_.isEmpty()) {
      while (!word.isEmpty()) {
        const qsizetype n = frontCharLength(word);
        if (width_(pending_ + word.left(n)) >= rules_.width) break;
        pending_ += word.left(n);
        word.remove(0, n);
      }
      word.clear();
    }
    push(pending_);
    pending_.clear();
    if (width_(word) > rules_.width) {
      if (rules_.width == 0) {
        word.clear();
      } else {
        while (!word.isEmpty() && width_(word) > rules_.width) word.chop(backCharLength(word));
      }
      push(word);
      word.clear();
    }
    if (!rules_.wordWrap) {
      word.clear();
      overflowed_ = true;
    }
    pending_ += word;
  }

  // The last pending line. When a cut has used up the words, nothing is
  // pending and no blank line follows; an empty source line still gives one.
  void finish() {
    if (!rules_.wordWrap && overflowed_) return;
    if (pending_.isEmpty() && emitted_) return;
    out_ << pending_;
  }

 private:
  void push(const QString& line) {
    out_ << line;
    emitted_ = true;
  }

  const LineBreakRules& rules_;
  const TextWidth& width_;
  QStringList& out_;
  QString pending_;
  bool overflowed_ = false;
  bool emitted_ = false;
};

}  // namespace

QStringList breakLines(const QStringList& source, const LineBreakRules& rules,
                       const TextWidth& width) {
  QStringList out;
  for (const QString& raw : source) {
    QString cleaned = raw;
    cleaned.remove(u'\n');
    for (const QString& line : cleaned.split(u'\r')) {
      if (rules.autoSize) {
        out << line;
        continue;
      }
      LineFiller filler(rules, width, out);
      for (const QString& word : splitWords(line)) filler.addWord(word);
      filler.finish();
    }
  }
  return out;
}

}  // namespace kopira::report
