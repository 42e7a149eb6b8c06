# SPDX-License-Identifier: GPL-3.0-or-later
# Precompiled headers: the Qt and standard headers nearly every file includes
# are parsed once per kind of target instead of once per file. The targets of
# a kind share one (REUSE_FROM). GCC takes it only where every macro defined
# when it was made is defined alike, so its owner has the least: the Qt
# module and nothing of its own.
set(SW_PCH_QTCORE
  <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList>
  <QLoggingCategory> <QMutex> <QObject> <QSet> <QString> <QStringList> <QThread> <QVariant>
  <algorithm> <functional> <memory> <optional> <string> <vector>)
set(SW_PCH_QTWIDGETS ${SW_PCH_QTCORE}
  <QApplication> <QColor> <QHBoxLayout> <QIcon> <QLabel> <QPainter> <QPointer> <QPushButton>
  <QVBoxLayout> <QWidget>)

# sw_share_pch(OWNER LIBS... HEADERS... TARGETS...): makes OWNER, which
# precompiles HEADERS with the flags of LIBS, and gives its result to the
# targets that exist among TARGETS.
function(sw_share_pch owner)
  cmake_parse_arguments(ARG "" "" "LIBS;HEADERS;TARGETS" ${ARGN})
  set(anchor ${CMAKE_CURRENT_BINARY_DIR}/${owner}.cpp)
  file(CONFIGURE OUTPUT ${anchor} CONTENT "// Only the precompiled header of ${owner}.\n")
  add_library(${owner} OBJECT ${anchor})
  target_link_libraries(${owner} PRIVATE ${ARG_LIBS})
  target_precompile_headers(${owner} PRIVATE ${ARG_HEADERS})
  foreach(target IN LISTS ARG_TARGETS)
    if(TARGET ${target})
      target_precompile_headers(${target} REUSE_FROM ${owner})
    endif()
  endforeach()
endfunction()
