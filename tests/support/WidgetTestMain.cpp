#include "tests/support/WidgetTestSupport.h"

#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace wb::test {

TestApplication::TestApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

void TestApplication::handleException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& exception) {
        if (m_recording)
            m_recording->errors.emplace_back(exception.what());
        else
            ADD_FAILURE() << "unexpected error in a handler: " << exception.what();
    }
}

void TestApplication::showHelpContext(int context)
{
    if (m_recording)
        m_recording->helpContexts.push_back(context);
}

namespace {

TestApplication& testApplication()
{
    return *static_cast<TestApplication*>(QCoreApplication::instance());
}

} // namespace

Recording::Recording()
    : m_previous(testApplication().m_recording)
{
    testApplication().m_recording = this;
}

Recording::~Recording()
{
    testApplication().m_recording = m_previous;
}

namespace {

// Owned by the application, so they go before it does.
QStyle* applicationOwnedStyle(const QString& name)
{
    QStyle* style = QStyleFactory::create(name);
    style->setParent(QCoreApplication::instance());
    return style;
}

} // namespace

QStyle* classicStyle()
{
    static QStyle* const style = applicationOwnedStyle(QStringLiteral("windows"));
    return style;
}

QStyle* themedStyle()
{
    static QStyle* const style = applicationOwnedStyle(QStringLiteral("fusion"));
    return style;
}

QImage render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace wb::test

int main(int argc, char** argv)
{
    wb::test::TestApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
