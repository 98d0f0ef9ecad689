# Fails when a source of the core, the calendar engine or the Qt-free
# libraries includes a header of Qt Gui or Qt Widgets.
file(GLOB_RECURSE sources ${SOURCE_DIR}/core/*.cpp ${SOURCE_DIR}/core/*.h
     ${SOURCE_DIR}/calendar/*.cpp ${SOURCE_DIR}/calendar/*.h ${SOURCE_DIR}/astronomy/*.cpp
     ${SOURCE_DIR}/astronomy/*.h
     ${SOURCE_DIR}/platform/*.cpp ${SOURCE_DIR}/platform/*.h ${SOURCE_DIR}/cli/*.cpp
     ${SOURCE_DIR}/cli/*.h)
# Class headers of the two modules (QWidget, QGuiApplication, ...), their module
# headers, and any include by module path.
set(widget_headers "QtGui|QtWidgets|QWidget|QApplication|QGuiApplication|QClipboard|QScreen|QFont[A-Za-z]*|QColor|QPalette|QIcon|QPixmap|QImage|QPainter|QDesktopServices|QMessageBox|QLineEdit|QLabel|QPushButton|QComboBox|QDialog|QMainWindow|QTextDocument|QPlainTextEdit|QKeyEvent|QMouseEvent")
set(found "")
foreach(source IN LISTS sources)
  file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](${widget_headers})[/>\"]")
  if(lines)
    list(APPEND found "${source}: ${lines}")
  endif()
endforeach()
if(found)
  string(REPLACE ";" "\n" found "${found}")
  message(FATAL_ERROR "widget headers in widget-free code:\n${found}")
endif()
list(LENGTH sources count)
message(STATUS "${count} widget-free sources checked")
