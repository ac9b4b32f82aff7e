#pragma once

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

// A settings store in a temporary file, and Code Keeper's folder in the same temporary
// folder while it lives, so no test touches the user's own settings or snippets.
class TestSettings
{
public:
    TestSettings();
    ~TestSettings();

    QSettings& settings() { return *m_settings; }
    QString fileName() const { return m_settings->fileName(); }
    // A fresh QSettings over the same file, as the next run of the program sees it.
    std::unique_ptr<QSettings> reopen() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_settings;
};
