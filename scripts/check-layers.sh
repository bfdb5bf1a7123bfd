#!/usr/bin/env bash
# The core library is QtCore only: no file under src/core includes a header
# of src/ui or of Qt's GUI and widget modules. Prints each offending line.
set -euo pipefail
cd "$(dirname "$0")/.."
gui='Q(Widget|Dialog|MainWindow|Label|PushButton|LineEdit|PlainTextEdit|TextEdit|Menu|MenuBar|Action|Application|GuiApplication|Painter|Pixmap|Icon|Image|Font|FontMetrics|FontInfo|Color|Palette|Screen|Clipboard|TextCursor|TextDocument|TextBlock|TextCharFormat|KeyEvent|MouseEvent|DropEvent|TreeWidget|ListWidget|ComboBox|TabBar|TabWidget|ToolBar|ToolButton|StatusBar|MdiArea|MdiSubWindow|Printer|SvgRenderer|Brush|Validator|AccessibleWidget)'
if grep -rnE "#include [<\"](ui/|Qt(Gui|Widgets|PrintSupport|Svg|WebEngine[A-Za-z]*)/|$gui[>\"])" src/core; then
  echo "check-layers: the lines above bring widgets into the core library"
  exit 1
fi

# Inside the core the folders keep one order, lowest first; each includes
# only its own folder and those below it (and the few neighbours named here).
level() {
  case "$1" in
    text | settings) echo 0 ;;
    encoding) echo 1 ;;
    rtf) echo 2 ;;
    control) echo 3 ;;
    script) echo 4 ;;
    package) echo 5 ;;
    colouring | outline | checker | install | writer) echo 6 ;;
    document) echo 7 ;;
    recovery) echo 8 ;;
    frame) echo 9 ;;
    *) echo 99 ;;
  esac
}
neighbours=" install>checker writer>install writer>checker "
bad=0
while IFS= read -r hit; do
  from=$(sed -E 's|^src/core/([a-z]+)/.*|\1|' <<<"$hit")
  to=$(sed -E 's|.*#include "core/([a-z]+)/.*|\1|' <<<"$hit")
  [ "$from" = "$to" ] && continue
  lf=$(level "$from")
  lt=$(level "$to")
  if [ "$lt" -gt "$lf" ] || { [ "$lt" -eq "$lf" ] && [[ $neighbours != *" $from>$to "* ]]; }; then
    echo "$hit"
    bad=1
  fi
done < <(grep -rnE '#include "core/[a-z]+/' src/core)
if [ "$bad" -ne 0 ]; then
  echo "check-layers: the lines above break the order of the core's folders"
  echo "  (text, settings < encoding < rtf < control < script < package < colouring, outline, checker,"
  echo "   install, writer < document < recovery < frame)"
  exit 1
fi

# The window layer is in folders by feature. Below them all, platform/ (the
# thin layer over Qt) uses no other folder, and editor/ (the script's widget)
# only platform/. The controllers know the main window through the Frame
# interface: only the frame's own files and the program's start include the
# main window's header.
bad=0
if grep -rnE '#include "ui/' src/ui/platform | grep -vE '#include "ui/platform/'; then
  echo "check-layers: platform/ uses another folder of the window layer"
  bad=1
fi
if grep -rnE '#include "ui/' src/ui/editor | grep -vE '#include "ui/(platform|editor)/'; then
  echo "check-layers: editor/ uses a folder of the window layer above it"
  bad=1
fi
if grep -rln '#include "ui/frame/MainWindow.h"' src | grep -vE '^src/(ui/frame/MainWindow[A-Za-z]*\.cpp|app/)'; then
  echo "check-layers: the files above include the main window; controllers see it as a Frame"
  bad=1
fi
exit "$bad"
