#include "editors/EditorsController.h"

#include "table/EditorHost.h"

EditorsController::EditorsController(EditorHost *host, QObject *parent) : QObject(parent), m_host(host) {}

EditorsController::~EditorsController() = default;

void EditorsController::start() {}

void EditorsController::messageEditing() {}

void EditorsController::discountSchedule() {}

void EditorsController::advertisingSlogan() {}

void EditorsController::packageTypeSetting() {}

void EditorsController::nutritionElementsSet() {}

void EditorsController::openCell(PluEditCommands::Choice, const QModelIndex &) {}
