// What sets one class of control apart from the others: its name, its table
// of stored properties, the widget it makes and the events it raises. Each
// control class keeps its own kind beside its code.
#pragma once

#include "Properties.h"

#include <QColor>

#include <initializer_list>
#include <vector>

class QWidget;

namespace rt {

class ControlPrivate;

struct ControlKind {
    const char* className;
    const PropertyTable<ControlPrivate>& table;
    // Makes the control's widget in the window's content area and connects
    // what the control follows of it.
    QWidget* (*create)(ControlPrivate& control, QWidget* parent);
    bool raisesAction = false;
    // Gives effect to what a whole stored list marked, where the class has such effects.
    void (*finish)(ControlPrivate& control) = nullptr;
};

using ControlRows = PropertyRows<ControlPrivate>;
using ControlRowList = std::vector<PropertyEntry<ControlPrivate>>;

// Rows that every control has.
ControlRowList CommonRows();
// Rows of the controls that draw text in a font of their own.
ControlRowList FontRows();
// Rows of the controls that could be bound to a database field.
ControlRowList DataRows();
ControlRowList Join(std::initializer_list<ControlRowList> parts);

inline QColor QColorOf(Color c)
{
    return {c.red, c.green, c.blue};
}

// The kinds, one per control class.
const ControlKind& PopupMenuKind();
const ControlKind& PushButtonKind();
const ControlKind& TextAreaKind();
const ControlKind& LabelKind();
const ControlKind& CanvasKind();
const ControlKind& SeparatorKind();

} // namespace rt
