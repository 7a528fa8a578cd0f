#include "ControlKinds.h"
#include "Private.h"

#include <QComboBox>

namespace rt {

const ControlKind& PopupMenuKind()
{
    using R = ControlRows;
    static const PropertyTable<ControlPrivate> table(Join({
        CommonRows(),
        FontRows(),
        DataRows(),
        {
            R::Set<const std::string&>("InitialValue",
                                       [](ControlPrivate& c, const std::string& value) {
                                           // One row a line, whatever the line breaks.
                                           auto& box = c.As<QComboBox>();
                                           box.clear();
                                           QString rows = QString::fromStdString(value);
                                           rows.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
                                           rows.replace(QLatin1Char('\n'), QLatin1Char('\r'));
                                           if (!rows.isEmpty())
                                               box.addItems(rows.split(QLatin1Char('\r')));
                                       }),
            R::Set<std::int32_t>("ListIndex",
                                 [](ControlPrivate& c, std::int32_t row) { c.As<QComboBox>().setCurrentIndex(row); }),
        },
    }));
    static const ControlKind kind{
        .className = "PopupMenu",
        .table = table,
        .create = [](ControlPrivate&, QWidget* parent) -> QWidget* { return new QComboBox(parent); },
    };
    return kind;
}

PopupMenu::PopupMenu() : TextControl(PopupMenuKind()) {}

void PopupMenu::AddRow(const std::string& text)
{
    Private().As<QComboBox>().addItem(QString::fromStdString(text));
}

int PopupMenu::ListCount() const { return Private().As<QComboBox>().count(); }

std::string PopupMenu::List(int row) const
{
    auto& box = Private().As<QComboBox>();
    if (row < 0 || row >= box.count())
        throw RuntimeException("popup row " + std::to_string(row) + " is out of bounds");
    return box.itemText(row).toStdString();
}

int PopupMenu::ListIndex() const { return Private().As<QComboBox>().currentIndex(); }
void PopupMenu::SetListIndex(int row) { Private().As<QComboBox>().setCurrentIndex(row); }

std::string PopupMenu::Text() const
{
    auto& box = Private().As<QComboBox>();
    return box.currentIndex() < 0 ? std::string() : box.currentText().toStdString();
}

} // namespace rt
