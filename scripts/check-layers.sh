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
