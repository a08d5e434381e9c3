#pragma once

#include "help/Sitemap.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <vector>

struct chmFile;

// A compiled HTML help file, read with chmlib. Object paths are archive paths
// ("/index.html"); the leading slash may be left out and case does not matter.
class ChmArchive {
public:
    enum class Status { Open, Missing, Unreadable };

    explicit ChmArchive(const QString& file);
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    Status status() const { return m_status; }

    bool contains(const QString& path) const;
    std::optional<QByteArray> read(const QString& path) const;

    // The file's own title, as compiled in; "" when it has none.
    QString title() const;
    // The page to open first, as written ("/index.html", maybe with "#anchor");
    // "" when no page qualifies. The first of these that exists in the archive:
    // the default topic compiled into the file, the default file and then the
    // home page of its default window, the first page of its contents, and
    // index.html, index.htm, default.html or default.htm.
    QString defaultTopic() const;

    std::vector<ChmTopic> contents() const;
    std::vector<ChmTopic> index() const;

private:
    struct Closer {
        void operator()(chmFile* file) const;
    };

    // Every page, picture and table in the archive, without its internal objects.
    QStringList files() const;

    // The settings compiled into the file by code: 0 contents, 1 index,
    // 2 default topic, 3 title, 5 default window.
    QString setting(int code) const;
    // A string of the default window: 0x60 contents, 0x64 index, 0x68 default file, 0x6C home.
    QString windowString(int offset) const;
    QString tableFile(int settingCode, int windowOffset, QStringView suffix) const;
    std::vector<ChmTopic> table(const QString& path) const;

    std::unique_ptr<chmFile, Closer> m_file;
    Status m_status = Status::Missing;
    std::map<int, QByteArray> m_settings;
};
