#!/bin/sh
# Starts the trainer from the folder it was unpacked into, with the libraries it brought.
#   ./exam.sh                         start
#   ./exam.sh --install-desktop-entry add it to the desktop's application menu
here=$(dirname "$(readlink -f "$0")")
if [ "$1" = "--install-desktop-entry" ]; then
    apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
    mkdir -p "$apps"
    sed -e "s|^Exec=.*|Exec=\"$here/exam.sh\"|" -e "s|^Icon=.*|Icon=$here/exam.png|" \
        "$here/exam.desktop" > "$apps/exam-trainer.desktop"
    echo "已添加到应用程序菜单：$apps/exam-trainer.desktop"
    exit 0
fi
export LD_LIBRARY_PATH="$here/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
exec "$here/exam"
