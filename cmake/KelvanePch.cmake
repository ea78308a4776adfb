# Precompiled headers. Most of a compile here went into parsing the same Qt, standard and
# GoogleTest headers again for every file; each set below is parsed once per build tree by its
# host target and reused by every target built with the same flags (REUSE_FROM).
#
# Four sets, so no layer sees more than it may use: the core's set holds no widget header (a
# widget class used in the core still fails to compile), and only tests see GoogleTest. QtTest
# stays out of every set: its headers depend on per-target macros (QT_TESTCASE_SOURCEDIR), which
# would make one shared header invalid for the next target. The hosts compile an empty file. Where
# a host's flags drift from its users', GCC says so in the build log (-Winvalid-pch, "not used
# because ...") and parses the headers as before: correct, only slower.
# The pure C++ layers (dali, kit, link) are small and use no set.

set(kelvane_pch_core
  <algorithm> <array> <atomic> <chrono> <cmath> <cstdint> <cstdio> <cstring> <deque> <functional>
  <map> <memory> <mutex> <optional> <set> <span> <string> <string_view> <thread> <utility> <vector>
  <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QList> <QObject>
  <QPointer> <QString> <QStringList> <QTimer>)
set(kelvane_pch_widgets ${kelvane_pch_core}
  <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDialogButtonBox> <QGridLayout> <QHBoxLayout>
  <QHeaderView> <QLabel> <QLineEdit> <QMouseEvent> <QPainter> <QPushButton> <QSlider> <QSpinBox>
  <QTableWidget> <QVBoxLayout> <QWidget>)

set(kelvane_pch_host_source ${CMAKE_CURRENT_LIST_DIR}/pch_host.cpp)

# kelvane_pch_host(<host> <headers-variable> <libraries...>): an object library that compiles the set.
function(kelvane_pch_host host headers)
  add_library(${host} OBJECT ${kelvane_pch_host_source})
  target_link_libraries(${host} PRIVATE kelvane_options ${ARGN})
  target_precompile_headers(${host} PRIVATE ${${headers}})
  set_target_properties(${host} PROPERTIES AUTOMOC OFF)
endfunction()

# kelvane_use_pch(<host> <targets...>). Loading a set costs about a second, so the file in which
# AUTOMOC gathers a target's moc output, empty for most targets, goes without.
function(kelvane_use_pch host)
  foreach(target IN LISTS ARGN)
    target_precompile_headers(${target} REUSE_FROM ${host})
    get_target_property(binary_dir ${target} BINARY_DIR)
    set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
      TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
  endforeach()
endfunction()

set(kelvane_pch_tests ${kelvane_pch_core} <gtest/gtest.h> <QTemporaryDir>)
set(kelvane_pch_widget_tests ${kelvane_pch_widgets} <gtest/gtest.h> <QTemporaryDir>)
kelvane_pch_host(kelvane_pch_core kelvane_pch_core Qt6::Core Threads::Threads)
kelvane_pch_host(kelvane_pch_widgets kelvane_pch_widgets Qt6::Widgets Threads::Threads)
