#pragma once

#include "ui/frame/Frame.h"

#include <QAction>
#include <initializer_list>
#include <utility>

namespace Quillwright {

// Each command's action, made by the frame from the command table, is
// connected to the slot of the controller that owns the command.
template <class Controller>
void routeCommands(const Frame& frame, Controller* controller,
                   std::initializer_list<std::pair<Command, void (Controller::*)()>> routes)
{
    for (const auto& [command, slot] : routes)
        QObject::connect(frame.action(command), &QAction::triggered, controller, slot);
}

} // namespace Quillwright
