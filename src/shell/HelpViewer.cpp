#include "shell/HelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent), Browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Quorvel Help"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(false);
    resize(760, 560);

    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);

    auto* home = new QPushButton(QStringLiteral("Home"), this);
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    auto* forward = new QPushButton(QStringLiteral("Forward"), this);
    home->setObjectName(QStringLiteral("cmdHome"));
    back->setObjectName(QStringLiteral("cmdBack"));
    forward->setObjectName(QStringLiteral("cmdForward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(home, &QPushButton::clicked, Browser, &QTextBrowser::home);
    connect(back, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(home);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser);
}

bool HelpViewer::openTopic(const QString& helpFolder, const QString& topic)
{
    const QString path = QDir(helpFolder).filePath(topic);
    if (!QFileInfo(path).isFile())
        return false;
    Browser->setSearchPaths({helpFolder});
    Browser->setSource(QUrl::fromLocalFile(path));
    return true;
}

QString HelpViewer::currentTopic() const
{
    return QFileInfo(Browser->source().toLocalFile()).fileName();
}
