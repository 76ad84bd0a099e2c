#!/usr/bin/env bash
# The Debian package, end to end: built from the build tree with CPack, its
# contents and dependencies listed and checked, lintian without errors or
# warnings, the desktop entry and the metainfo validated; then unpacked into a temporary root and started from
# there by an unprivileged user with a private HOME, as the desktop entry
# starts it and from a shell. A value typed into the main window survives a
# restart, stored in the user's config folder; the office defaults beside
# the program fill a key the user's file lacks; the history lands in the
# data folder when started from the menu, in the working folder otherwise.
# Started from the menu the missing note files are made without a word; in
# a working folder the program asks for them.
#   installed_package.sh BUILD_DIR X11_WINDOW_TOOL
set -euo pipefail
export KOPIRA_E2E_XVFB_ARGS=-ac  # the unprivileged user reaches the X server too
source "$(dirname "$0")/e2e_lib.sh"

build=$1
tool=$2
main_caption='Kopira　v2.0'
app_id=example.kopira.Kopira

work=$(mktemp -d)
chmod 755 "$work"
trap 'kill "$pid" 2>/dev/null || true; chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

# --- the package and what it holds ---------------------------------------
(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null) || fail "cpack failed"
deb=$(ls "$work"/pkg/kopira_*_amd64.deb) || fail "no kopira_<version>_amd64.deb"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -c "$deb" | awk '{print $NF}' > "$work/contents"
for f in usr/bin/kopira usr/bin/kopira-render \
         usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml \
         usr/share/man/man1/kopira.1.gz usr/share/man/man1/kopira-render.1.gz \
         usr/share/doc/kopira/copyright usr/share/doc/kopira/changelog.Debian.gz \
         usr/share/kopira/layouts/valuation.json; do
  grep -qx "./$f" "$work/contents" || fail "the package lacks $f"
done
for size in 16 22 24 32 48 64 128 256; do
  grep -qx "./usr/share/icons/hicolor/${size}x$size/apps/kopira.png" "$work/contents" || fail "no ${size}px icon"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libc6 libqt6widgets6 libqt6printsupport6 libicu72 fonts-ipafont-mincho fonts-ipafont-gothic \
         qt6-qpa-plugins qt6-translations-l10n; do
  grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "ibus-mozc | fcitx5-mozc, xdg-utils" ] || fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"
# Errors and warnings fail; informational tags are shown.
lintian --info --display-info --fail-on error,warning "$deb" || fail "lintian finds errors or warnings"

root=$work/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null || fail "metainfo invalid"
file "$root/usr/share/icons/hicolor/48x48/apps/kopira.png" | grep -q '48 x 48' || fail "the 48px icon is not 48 x 48"
[ "$("$root/usr/bin/kopira" --version)" = "kopira 2.0" ] || fail "--version prints '$("$root/usr/bin/kopira" --version)'"

# --- started by an unprivileged user --------------------------------------
# The office's defaults beside the program; the program folder is not the
# user's to write.
printf '[memo]\r\nedit2.text=%s\r\nedit4.text=%s\r\n' "$(printf '９８７６５' | iconv -t CP932)" \
  "$(printf '川口市長' | iconv -t CP932)" > "$root/usr/bin/Kopira.ini"
chmod 555 "$root/usr/bin"
home=$work/home
shell_folder=$work/shell
mkdir -p "$home" "$shell_folder"
as_user=()
if [ "$(id -u)" = 0 ]; then
  chown nobody: "$home" "$shell_folder"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# Runs a command line as the user from a folder, in the background, with
# the installed programs on the PATH.
start_as_user() {
  local folder=$1
  shift
  (cd "$folder" && exec "${as_user[@]}" env -u XAUTHORITY -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
     -u XDG_RUNTIME_DIR HOME="$home" PATH="$root/usr/bin:$PATH" LANG=C.UTF-8 "$@") &
  pid=$!
}

# In a working folder without note files the program asks for each.
answer_message() {
  local box
  box=$(find_window Kopira)
  xdotool windowfocus --sync "$box"
  xdotool key Return
  sleep 0.3
}

config="$home/.config/kopira/Kopira.ini"
user_value() { iconv -f CP932 -t UTF-8 "$config" | tr -d '\r' | sed -n "/^\[$1\]/,/^\[/p" | sed -n "s/^$2=//p"; }

# As the menu starts it: the desktop entry's command, from the home folder.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app_id.desktop")
read -r -a menu_command <<<"$exec_line"
start_as_user "$home" "${menu_command[@]}"
main=$(find_window "$main_caption")
[ -z "$(xdotool search --onlyvisible --name '^Kopira$' 2>/dev/null)" ] || fail "a message at the start from the menu"
type_at "$main" 620 515 "大阪弁護士会" replace  # Edit1, the bar association
type_at "$main" 200 580 "株式会社コピラ"        # Memo5, the history
close_and_wait_for_end "$main"

[ -f "$config" ] || fail "no settings in the user's config folder"
[ "$(user_value memo edit1.text)" = "大阪弁護士会" ] || fail "typed value stored as '$(user_value memo edit1.text)'"
[ "$(user_value memo edit2.text)" = "９８７６５" ] || fail "office default not used: '$(user_value memo edit2.text)'"
[ "$(iconv -f CP932 -t UTF-8 "$home/.local/share/kopira/kopiralog.txt")" = "株式会社コピラ" ] \
  || fail "the history is not in the data folder"
[ ! -e "$home/kopiralog.txt" ] || fail "the history went to the working folder"
for note in memo2.txt memo3.txt; do
  [ -f "$home/.local/share/kopira/$note" ] || fail "$note was not made in the data folder"
done
[ "$(iconv -f CP932 -t UTF-8 "$root/usr/bin/Kopira.ini" | tr -d '\r' | grep -c .)" = 3 ] || fail "the office defaults were changed"

# From a shell, in another folder: the typed value is read back from the
# user's file; the history goes to the working folder.
start_as_user "$shell_folder" kopira
answer_message
answer_message
main=$(find_window "$main_caption")
type_at "$main" 620 515 "支部"  # appended to what was read back
type_at "$main" 200 580 "合同会社"
close_and_wait_for_end "$main"

[ "$(user_value memo edit1.text)" = "大阪弁護士会支部" ] || fail "not read back: '$(user_value memo edit1.text)'"
[ "$(user_value memo edit4.text)" = "川口市長" ] || fail "office default lost: '$(user_value memo edit4.text)'"
[ "$(iconv -f CP932 -t UTF-8 "$shell_folder/kopiralog.txt")" = "合同会社" ] || fail "no history in the working folder"
echo "installed package: settings in the user's config folder, office defaults, history by how it was started"
