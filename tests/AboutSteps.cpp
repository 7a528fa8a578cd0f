#include "AboutSteps.h"

#include "CheatWindow.h"
#include "Window1.h"

#include <QRegularExpression>
#include <QTest>

namespace vxtest {

rt::Ref<Window3> OpenAbout()
{
    auto main = OpenWindow(Window1::kClassName);
    if (!main || !ChooseMenuItem(*main, "FileAbout"))
        return {};
    auto about = rt::CheckCast<Window3>(OpenWindow(Window3::kClassName));
    if (!about || !QTest::qWaitForWindowActive(rt::testing::WidgetOf(*about)))
        return {};
    return about;
}

rt::Ref<rt::Window> OpenCheatWindow()
{
    auto main = rt::CheckCast<Window1>(OpenWindow(Window1::kClassName));
    if (!main)
        return {};
    main->PopupMenu1()->SetListIndex(1);
    main->PopupMenu2()->SetListIndex(2);
    main->PushButton1()->Push();
    return OpenWindow(Window7::kClassName);
}

QString HostNamedIn(const QString& aboutText)
{
    static const QRegularExpression pattern(QStringLiteral(" by visiting (\\S+) or by clicking on the\r"));
    return pattern.match(aboutText).captured(1);
}

} // namespace vxtest
