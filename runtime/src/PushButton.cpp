#include "ControlKinds.h"
#include "Private.h"

#include <QPushButton>

namespace rt {

const ControlKind& PushButtonKind()
{
    using R = ControlRows;
    static const PropertyTable<ControlPrivate> table(Join({
        CommonRows(),
        FontRows(),
        {
            R::Set<const std::string&>("Caption",
                                       [](ControlPrivate& c, const std::string& caption) {
                                           c.As<QPushButton>().setText(QString::fromStdString(caption));
                                       }),
            R::Set<bool>("Default",
                         [](ControlPrivate& c, bool on) {
                             c.isDefault = on;
                             c.As<QPushButton>().setDefault(on);
                         }),
            R::Set<bool>("Cancel", [](ControlPrivate& c, bool on) { c.isCancel = on; }),
            R::Keep<std::int32_t>("ButtonStyle"),
        },
    }));
    static const ControlKind kind{
        .className = "PushButton",
        .table = table,
        .create = [](ControlPrivate& c, QWidget* parent) -> QWidget* {
            // Return presses the window's default button, not the focused one.
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            button->setFocusPolicy(Qt::StrongFocus);
            QObject::connect(button, &QPushButton::clicked, button, [&c] { c.Raise(Event::Action); });
            return button;
        },
        .raisesAction = true,
    };
    return kind;
}

PushButton::PushButton() : TextControl(PushButtonKind()) {}

std::string PushButton::Caption() const { return Private().As<QPushButton>().text().toStdString(); }
bool PushButton::Default() const { return Private().isDefault; }
bool PushButton::Cancel() const { return Private().isCancel; }

void PushButton::Push()
{
    auto& button = Private().As<QPushButton>();
    if (button.isEnabled())
        button.click();
}

} // namespace rt
