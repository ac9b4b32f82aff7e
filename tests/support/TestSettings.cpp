#include "TestSettings.h"

#include "codekeeper/CodeFolder.h"

TestSettings::TestSettings()
    : m_settings(std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("Quorvel.ini")),
                                             QSettings::IniFormat))
{
    setCodeFolder(m_dir.filePath(QStringLiteral("CK")));
}

TestSettings::~TestSettings()
{
    setCodeFolder({});
}

std::unique_ptr<QSettings> TestSettings::reopen() const
{
    m_settings->sync();
    return std::make_unique<QSettings>(m_settings->fileName(), QSettings::IniFormat);
}
