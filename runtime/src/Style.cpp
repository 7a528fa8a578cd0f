// The application's style: the toolkit's own, except that the icon of a
// menu bar's extension button is made once, not again for every window.
#include "Private.h"

#include <QApplication>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleOption>

namespace rt {

namespace {

// Every menu bar makes a button for the items that do not fit, and the style
// gives it an icon read from three image files, decoded anew each time: for a
// small window that is about a twentieth of the cost of opening it. The icon
// depends only on the writing direction, the screens' pixel ratio and the
// icon theme, so one made earlier under the same conditions serves.
class MenuBarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const override
    {
        if (pixmap != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(pixmap, option, widget);
        const bool rightToLeft = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
        const Conditions now{rightToLeft, qApp->devicePixelRatio(), QIcon::themeName()};
        if (extension_.isNull() || !(made_ == now)) {
            extension_ = QProxyStyle::standardIcon(pixmap, option, widget);
            made_ = now;
        }
        return extension_;
    }

private:
    struct Conditions {
        bool rightToLeft = false;
        qreal pixelRatio = 0;
        QString iconTheme;
        bool operator==(const Conditions&) const = default;
    };
    mutable QIcon extension_;
    mutable Conditions made_;
};

} // namespace

void InstallStyle()
{
    if (dynamic_cast<MenuBarStyle*>(QApplication::style()))
        return;
    // The same style as before, by name, under the wrapper.
    QApplication::setStyle(new MenuBarStyle(QApplication::style()->name()));
}

} // namespace rt
