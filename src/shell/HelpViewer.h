#pragma once

#include <QDialog>

class QTextBrowser;

// Quorvel's own help window: the HTML pages shipped in the help folder beside the
// program, with links between them and Home / Back / Forward.
class HelpViewer : public QDialog
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the page; false when the page's file does not exist.
    bool openTopic(const QString& helpFolder, const QString& topic);

    QString currentTopic() const;

private:
    QTextBrowser* Browser;
};
