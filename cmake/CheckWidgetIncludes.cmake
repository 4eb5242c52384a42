# Fails when a source that does not draw includes QtWidgets. Files that may: windows, dialogs,
# delegates, views, menus, the prompt seam, and everything under app/ and hotkey/ painters.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/core/*.h ${SOURCE_DIR}/core/*.cpp ${SOURCE_DIR}/document/*.h ${SOURCE_DIR}/document/*.cpp
     ${SOURCE_DIR}/table/*.h ${SOURCE_DIR}/table/*.cpp ${SOURCE_DIR}/comm/*.h ${SOURCE_DIR}/comm/*.cpp
     ${SOURCE_DIR}/io/*.h ${SOURCE_DIR}/io/*.cpp ${SOURCE_DIR}/editors/*.h ${SOURCE_DIR}/editors/*.cpp
     ${SOURCE_DIR}/linklib/*.h ${SOURCE_DIR}/linklib/*.cpp)
set(widget_headers "QWidget|QDialog|QMainWindow|QMessageBox|QFileDialog|QTableView|QAbstractItemView|QStyledItemDelegate|QItemDelegate|QMenu|QAction|QLineEdit|QComboBox|QLabel|QPushButton|QApplication|QtWidgets|QHeaderView|QSpinBox|QCheckBox|QRadioButton|QToolBar|QStatusBar|QInputDialog|QProgressBar|QUndoStack|QUndoCommand")
set(allowed "(Dlg|Dialog|Window|Delegate|Deletate|Config|View|Menu|Menus|Prompt|Setup|Editor|Widget|widget|Painter|Preview|Printer|Commands|Command|Controller)\\.(h|cpp)$")
set(offenders)
foreach(src ${sources})
    if(src MATCHES "${allowed}")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${src} hits REGEX "^#include <(${widget_headers})>")
    if(hits)
        list(APPEND offenders "${src}: ${hits}")
    endif()
endforeach()
if(offenders)
    string(REPLACE ";" "\n" text "${offenders}")
    message(FATAL_ERROR "Widget includes in logic files:\n${text}")
endif()
