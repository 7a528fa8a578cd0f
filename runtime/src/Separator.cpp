#include "ControlKinds.h"
#include "Private.h"

#include <QFrame>

namespace rt {

const ControlKind& SeparatorKind()
{
    static const PropertyTable<ControlPrivate> table(CommonRows());
    static const ControlKind kind{
        .className = "Separator",
        .table = table,
        .create = [](ControlPrivate&, QWidget* parent) -> QWidget* {
            auto* line = new QFrame(parent);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            line->setFocusPolicy(Qt::NoFocus);
            return line;
        },
    };
    return kind;
}

Separator::Separator() : Control(SeparatorKind()) {}

} // namespace rt
