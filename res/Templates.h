// The program's dialog templates and its menu, as the layer builds them.
#pragma once

#include "framework/CMenu.h"
#include "framework/DialogTemplate.h"

// The template or menu with this resource id; the program asks only for those it has.
const DialogTemplate& findDialogTemplate(int id);
const MenuTemplate& findMenuTemplate(int id);
