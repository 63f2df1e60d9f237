#!/usr/bin/env bash
# Installs Dailora and Lanmate for the current user: builds and stages the program folder,
# copies it to ~/.local/share/Dailora (or $XDG_DATA_HOME/Dailora) and adds both programs to the
# desktop's menu with their icons. Run it again to update: the user's tables, tree files and
# chat log already in that folder are never written over.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
data_home=${XDG_DATA_HOME:-$HOME/.local/share}
target=$data_home/Dailora
apps=$data_home/applications
icons=$data_home/icons/hicolor/scalable/apps

if [ "${1:-}" != "--no-build" ]; then
    "$root/scripts/install-deps.sh"
    "$root/scripts/build.sh"
fi
staged=$root/build/app
[ -x "$staged/Dailora" ] || { echo "no staged program folder in $staged" >&2; exit 1; }

# The user's data: created by the programs and kept on every reinstall.
is_user_data() {
    case "${1,,}" in
        *.db | *.nod | talkrecords.txt) return 0 ;;
        *) return 1 ;;
    esac
}

mkdir -p "$target" "$apps" "$icons"
for file in "$staged"/*; do
    name=$(basename "$file")
    [ -f "$file" ] || continue
    if is_user_data "$name" && [ -e "$target/$name" ]; then
        continue
    fi
    # Copied beside the target and renamed over it, so a running program keeps its old file.
    cp -p "$file" "$target/.$name.new"
    mv -f "$target/.$name.new" "$target/$name"
done

cat >"$icons/dailora.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <defs>
    <linearGradient id="b" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#3a7bd5"/><stop offset="1" stop-color="#1b3f8b"/>
    </linearGradient>
  </defs>
  <rect x="8" y="6" width="48" height="54" rx="6" fill="url(#b)" stroke="#0b204c" stroke-width="2"/>
  <rect x="16" y="14" width="36" height="40" rx="2" fill="#f7faff"/>
  <path d="M21 24h26M21 31h26M21 38h26M21 45h16" stroke="#7fa8e0" stroke-width="2.5" stroke-linecap="round"/>
  <path d="M44 40l8-14 4 2-8 14-5 2z" fill="#f2c045" stroke="#8a5a00" stroke-width="1.2"/>
  <circle cx="12" cy="18" r="2.5" fill="#fff"/><circle cx="12" cy="30" r="2.5" fill="#fff"/>
  <circle cx="12" cy="42" r="2.5" fill="#fff"/>
</svg>
SVG
cat >"$icons/lanmate.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <rect x="4" y="10" width="40" height="28" rx="8" fill="#3a7bd5" stroke="#0b204c" stroke-width="2"/>
  <path d="M14 38l-4 10 12-10z" fill="#3a7bd5" stroke="#0b204c" stroke-width="2" stroke-linejoin="round"/>
  <rect x="22" y="26" width="38" height="26" rx="8" fill="#f2c045" stroke="#8a5a00" stroke-width="2"/>
  <path d="M50 52l4 8-12-8z" fill="#f2c045" stroke="#8a5a00" stroke-width="2" stroke-linejoin="round"/>
  <path d="M13 22h22M13 29h14" stroke="#fff" stroke-width="3" stroke-linecap="round"/>
  <path d="M31 36h20M31 43h12" stroke="#5a3c00" stroke-width="3" stroke-linecap="round"/>
</svg>
SVG

desktop_entry() { # file name chinese comment exec icon categories
    cat >"$apps/$1" <<ENTRY
[Desktop Entry]
Type=Application
Name=$2
Name[zh_CN]=$3
Comment=$4
Exec="$target/$5"
Path=$target
Icon=$6
Terminal=false
Categories=$7
ENTRY
}
desktop_entry dailora.desktop Dailora "Dailora 工作日记" "个人工作日记" Dailora dailora "Office;Calendar;"
desktop_entry lanmate.desktop Lanmate "Lanmate 网络助手" "局域网消息和文件传送" Lanmate.dat lanmate "Network;Chat;"

command -v update-desktop-database >/dev/null && update-desktop-database -q "$apps" || true
command -v gtk-update-icon-cache >/dev/null && gtk-update-icon-cache -q -t "$data_home/icons/hicolor" 2>/dev/null || true

echo "Installed in $target; your diary's data files are kept there."
echo "Dailora and Lanmate are in the desktop's menu."
