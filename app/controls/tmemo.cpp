#include "app/controls/tmemo.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>

#include "app/controls/line_breaks.h"
#include "app/controls/row_pitch_layout.h"
#include "platform/cp932.h"

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  document()->setDocumentMargin(1);
  setTabChangesFocus(true);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

bool TMemo::useRowPitchLayout() {
  auto* document = new QTextDocument(this);
  document->setDocumentLayout(new RowPitchLayout(document));
  setDocument(document);
  return true;
}

QString TMemo::Text() const { return kopira::toCrLf(toPlainText()); }

void TMemo::setText(const QString& text) {
  setPlainText(kopira::cp932::filterInput(kopira::toLf(text)));
}

void TMemo::setWordWrap(bool wrap) { setLineWrapMode(wrap ? WidgetWidth : NoWrap); }

void TMemo::clearAsEdit() {
  QTextCursor cursor(document());
  cursor.select(QTextCursor::Document);
  cursor.removeSelectedText();
}

void TMemo::settleGeometry() const {
  // A hidden box and its viewport get their resize events only when shown;
  // send them now so the text is laid out at the box's real width. The box
  // goes first: its resize places the viewport.
  auto* self = const_cast<TMemo*>(this);
  for (QWidget* widget : {static_cast<QWidget*>(self), viewport()}) {
    if (!widget->testAttribute(Qt::WA_PendingResizeEvent)) continue;
    widget->setAttribute(Qt::WA_PendingResizeEvent, false);
    QResizeEvent event(widget->size(), QSize());
    QCoreApplication::sendEvent(widget, &event);
  }
}

const MemoRows& TMemo::rows() const {
  settleGeometry();
  rows_.update();
  return rows_;
}

QList<TMemo::Row> TMemo::rowsOf(const QTextBlock& first, const QTextBlock& last) const {
  settleGeometry();
  return rows_.rowsOf(first, last);
}

void TMemo::typeText(const QString& text) {
  QTextCursor cursor = textCursor();
  cursor.insertText(text);
  setTextCursor(cursor);
  ensureCursorVisible();
}

void TMemo::keyPressEvent(QKeyEvent* event) {
  // The whole text of the key event is filtered, whatever route it took
  // (a surrogate pair, AltGr, a compose sequence) and whatever modifiers
  // came with it: a character without a CP932 form never reaches the box.
  const QString allowed = kopira::cp932::filterInput(event->text());
  if (allowed != event->text()) {
    QKeyEvent filtered(event->type(), allowed.isEmpty() ? Qt::Key_unknown : event->key(), event->modifiers(), allowed,
                       event->isAutoRepeat(), static_cast<quint16>(event->count()));
    handleKey(&filtered);
    event->accept();
    return;
  }
  handleKey(event);
}

void TMemo::handleKey(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const QString typed = enter ? QStringLiteral("\r") : event->text();
  const bool printable = !typed.isEmpty() && (enter || typed.at(0).isPrint());
  if (!printable || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    if (event->key() != Qt::Key_unknown) QPlainTextEdit::keyPressEvent(event);
    return;
  }
  QChar key = typed.at(0);
  if (OnKeyPress) OnKeyPress(key);
  if (key.isNull()) return;
  if (enter) {
    // Shift+Enter would insert a soft line separator; every Enter is a
    // plain line break here.
    typeText(QStringLiteral("\n"));
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TMemo::inputMethodEvent(QInputMethodEvent* event) {
  const QString allowed = kopira::cp932::filterInput(event->commitString());
  if (allowed == event->commitString()) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(allowed, event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&filtered);
}

void TMemo::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return;
  const QString allowed = kopira::cp932::filterInput(kopira::toLf(source->text()));
  if (!allowed.isEmpty()) typeText(allowed);
}

void TMemo::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  Q_EMIT clicked();
}
