#include "ControlKinds.h"
#include "Private.h"

#include <QLabel>

namespace rt {

const ControlKind& LabelKind()
{
    using R = ControlRows;
    static const PropertyTable<ControlPrivate> table(Join({
        CommonRows(),
        FontRows(),
        DataRows(),
        {
            R::Set<const std::string&>("Text",
                                       [](ControlPrivate& c, const std::string& text) {
                                           c.As<QLabel>().setText(QString::fromStdString(text));
                                       }),
            R::Set<std::int32_t>("TextAlign",
                                 [](ControlPrivate& c, std::int32_t code) {
                                     const Qt::Alignment h = code == 1   ? Qt::AlignHCenter
                                                             : code == 2 ? Qt::AlignRight
                                                                         : Qt::AlignLeft;
                                     c.As<QLabel>().setAlignment(h | Qt::AlignVCenter);
                                 }),
            R::Set<Color>("TextColor",
                          [](ControlPrivate& c, Color colour) {
                              auto& label = c.As<QLabel>();
                              QPalette p = label.palette();
                              p.setColor(QPalette::WindowText, QColorOf(colour));
                              label.setPalette(p);
                          }),
            R::Set<bool>("Multiline", [](ControlPrivate& c, bool on) { c.As<QLabel>().setWordWrap(on); }),
            R::Set<bool>("Selectable",
                         [](ControlPrivate& c, bool on) {
                             c.As<QLabel>().setTextInteractionFlags(on ? Qt::TextSelectableByMouse
                                                                       : Qt::NoTextInteraction);
                         }),
            R::Set<bool>("Transparent", [](ControlPrivate& c, bool on) { c.Widget().setAutoFillBackground(!on); }),
        },
    }));
    static const ControlKind kind{
        .className = "Label",
        .table = table,
        .create = [](ControlPrivate&, QWidget* parent) -> QWidget* { return new QLabel(parent); },
    };
    return kind;
}

Label::Label() : TextControl(LabelKind()) {}

std::string Label::Text() const { return Private().As<QLabel>().text().toStdString(); }

} // namespace rt
