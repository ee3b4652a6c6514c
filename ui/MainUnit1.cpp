#include "ui/MainUnit1.h"

#include <QScreen>
#include <QStyle>

namespace {
constexpr QSize kClientSize(680, 444); // the size the layout is made for
}

TMainForm::TMainForm(const std::filesystem::path& dataDirectory, wb::ErrorReporter& fileErrors,
                     QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("QUORVEL Wörterbuch Englisch"));
    resize(kClientSize);
    FormCreate(dataDirectory, fileErrors);
}

TMainForm::~TMainForm()
{
    FormDestroy();
}

void TMainForm::FormCreate(const std::filesystem::path& dataDirectory,
                           wb::ErrorReporter& fileErrors)
{
    m_store = std::make_unique<wb::DictionaryStore>();
    m_store->OpenDistNow(dataDirectory, fileErrors);
}

void TMainForm::FormDestroy()
{
    m_store.reset();
}

void TMainForm::showCentred()
{
    if (const QScreen* screen = this->screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    show();
}
