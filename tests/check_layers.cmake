# Checks that the code keeps to the layer map of docs/ARCHITECTURE.md:
# each folder includes only its own headers and those of the folders below it,
# the folders that must stay free of Qt Gui include none of its headers, the
# libraries at the bottom link only what the map allows, and only the window
# folders use Qt Widgets.
#
#   cmake -DSOURCE_DIR=<tree> -DLIBRARY_LINKS=<target=lib,lib|target=...> -P check_layers.cmake

cmake_policy(SET CMP0007 NEW)

# folder | the folders whose headers it may include (besides its own)
set(layer_map
  "common|"
  "common/gif|common"
  "common/font|common"
  "common/gif/gif_memory_encoder|common"
  "halvane/settings|common"
  "halvane/project|common halvane/settings"
  "halvane/link|common halvane/settings"
  "dravelle/document|common common/gif/gif_memory_encoder"
  "halvane/encode|common common/gif common/gif/gif_memory_encoder common/font halvane/settings halvane/project halvane/link"
  "halvane/preview|common common/gif common/gif/gif_memory_encoder common/font halvane/settings halvane/project halvane/link halvane/encode"
  "dravelle/editor|common common/gif common/gif/gif_memory_encoder common/font dravelle/document"
  "halvane/ui|common common/gif common/gif/gif_memory_encoder common/font halvane/settings halvane/project halvane/link halvane/encode halvane/preview"
  "halvane/cli|common common/gif common/gif/gif_memory_encoder common/font halvane/settings halvane/project halvane/link halvane/encode halvane/preview"
  "dravelle/ui|common common/gif common/gif/gif_memory_encoder common/font dravelle/document dravelle/editor"
  "dravelle/cli|common common/gif common/gif/gif_memory_encoder common/font dravelle/document dravelle/editor"
)
# Folders (and the GIF writer) that use at most Qt Core.
set(gui_free common common/gif/gif_memory_encoder halvane/settings halvane/project halvane/link
    dravelle/document)
# Folders that may use Qt Widgets.
set(widget_folders halvane/ui dravelle/ui)

set(gui_headers QImage QPainter QColor QFont QFontMetrics QFontDatabase QRawFont QGuiApplication
    QPixmap QPen QBrush QTransform QPolygon QRegion QIcon QPainterPath QImageReader QImageWriter
    QRgb QClipboard QDrag QMouseEvent QKeyEvent QPaintEvent)
set(widget_headers QApplication QWidget QDialog QMainWindow QLabel QPushButton QLineEdit QComboBox
    QCheckBox QRadioButton QMessageBox QFileDialog QMenu QMenuBar QToolBar QStatusBar QLayout
    QBoxLayout QVBoxLayout QHBoxLayout QGridLayout QFormLayout QTreeWidget QListWidget QTableWidget
    QScrollArea QSpinBox QSlider QProgressBar QGroupBox QDialogButtonBox QAction QTabWidget)

set(problems "")

# The most specific folder of the map a path lies in, or "" when none.
function(folder_of path out)
  set(best "")
  foreach(entry IN LISTS layer_map)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 folder)
    string(LENGTH "${folder}" flen)
    string(LENGTH "${best}" blen)
    if(path MATCHES "^${folder}[/.]" AND flen GREATER blen)
      set(best "${folder}")
    endif()
  endforeach()
  set(${out} "${best}" PARENT_SCOPE)
endfunction()

function(allowed_of folder out)
  foreach(entry IN LISTS layer_map)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 f)
    if(f STREQUAL folder)
      list(LENGTH parts n)
      set(below "")
      if(n GREATER 1)
        list(GET parts 1 below)
        string(REPLACE " " ";" below "${below}")
      endif()
      set(${out} "${folder};${below}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}"
  "${SOURCE_DIR}/common/*.h" "${SOURCE_DIR}/common/*.cpp"
  "${SOURCE_DIR}/halvane/*.h" "${SOURCE_DIR}/halvane/*.cpp"
  "${SOURCE_DIR}/dravelle/*.h" "${SOURCE_DIR}/dravelle/*.cpp")
list(LENGTH sources source_count)
if(source_count LESS 50)
  message(FATAL_ERROR "only ${source_count} sources found under ${SOURCE_DIR}: wrong tree?")
endif()

foreach(src IN LISTS sources)
  folder_of("${src}" folder)
  if(folder STREQUAL "")
    list(APPEND problems "${src}: lies in no folder of the layer map")
    continue()
  endif()
  allowed_of("${folder}" allowed)
  file(STRINGS "${SOURCE_DIR}/${src}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(header "${CMAKE_MATCH_1}")
      if(NOT header MATCHES "/")
        continue() # a file beside it (generated or local)
      endif()
      folder_of("${header}" target_folder)
      if(target_folder STREQUAL "")
        continue() # not one of ours (a library header written with quotes)
      endif()
      list(FIND allowed "${target_folder}" found)
      if(found EQUAL -1)
        list(APPEND problems "${src}: includes ${header} (${folder} may not use ${target_folder})")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<(Qt[A-Za-z]+/)?(Q[A-Za-z]+)>")
      set(module "${CMAKE_MATCH_1}")
      set(qt_header "${CMAKE_MATCH_2}")
      list(FIND gui_free "${folder}" is_gui_free)
      list(FIND gui_headers "${qt_header}" is_gui)
      list(FIND widget_folders "${folder}" may_use_widgets)
      list(FIND widget_headers "${qt_header}" is_widget)
      if(is_gui_free GREATER -1 AND (is_gui GREATER -1 OR is_widget GREATER -1
                                     OR module MATCHES "^Qt(Gui|Widgets)/$"))
        list(APPEND problems "${src}: includes <${module}${qt_header}> but ${folder} uses at most Qt Core")
      elseif(may_use_widgets EQUAL -1 AND (is_widget GREATER -1 OR module STREQUAL "QtWidgets/"))
        list(APPEND problems "${src}: includes <${module}${qt_header}> but only the window folders use Qt Widgets")
      endif()
    endif()
  endforeach()
endforeach()

# What the libraries at the bottom of the map link, as the build sees it:
# library | what it may link
set(link_map
  "common|Qt6::Core"
  "common_gif_writer|common Qt6::Core GIF::GIF"
  "halvane_settings|common Qt6::Core"
  "halvane_project|halvane_settings common Qt6::Core"
  "halvane_link|halvane_settings common Qt6::Core Qt6::SerialPort"
  "dravelle_document|common common_gif_writer Qt6::Core GIF::GIF"
)
string(REPLACE "|" ";" link_entries "${LIBRARY_LINKS}")
list(LENGTH link_entries link_count)
list(LENGTH link_map map_count)
if(NOT link_count EQUAL map_count)
  message(FATAL_ERROR "LIBRARY_LINKS names ${link_count} libraries, the map ${map_count}")
endif()
foreach(entry IN LISTS link_entries)
  string(FIND "${entry}" "=" eq)
  string(SUBSTRING "${entry}" 0 ${eq} target)
  math(EXPR rest "${eq} + 1")
  string(SUBSTRING "${entry}" ${rest} -1 libs)
  string(REPLACE "," ";" libs "${libs}")
  set(may "")
  foreach(m IN LISTS link_map)
    string(REPLACE "|" ";" parts "${m}")
    list(GET parts 0 name)
    if(name STREQUAL target)
      list(GET parts 1 may)
      string(REPLACE " " ";" may "${may}")
    endif()
  endforeach()
  if(may STREQUAL "")
    list(APPEND problems "${target}: not in the link map")
    continue()
  endif()
  foreach(lib IN LISTS libs)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
    list(FIND may "${lib}" found)
    if(found EQUAL -1)
      list(JOIN may " " may_text)
      list(APPEND problems "${target} links ${lib} (it may link: ${may_text})")
    endif()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "The layer map is broken:\n  ${text}")
endif()
list(LENGTH sources n)
message(STATUS "${n} sources keep to the layer map")
