#include "help/ChmArchive.h"

#include "help/HelpLinks.h"
#include "help/HtmlText.h"

#include <QFile>
#include <QFileInfo>

#include <chm_lib.h>

#include <algorithm>
#include <limits>

namespace {

// A damaged file may claim any size for an object; nothing in a help file is this big.
constexpr LONGUINT64 largestObject = 64 * 1024 * 1024;

std::optional<QByteArray> objectName(const QString& path)
{
    QByteArray name = path.toUtf8();
    if (!name.startsWith('/'))
        name.prepend('/');
    if (name.size() > CHM_MAX_PATHLEN || name.contains('\0'))
        return std::nullopt;
    return name;
}

quint32 le32(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return quint32(quint8(bytes[at + i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

quint16 le16(const QByteArray& bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

// Text up to its terminating zero.
QString cString(const QByteArray& bytes, qsizetype at = 0)
{
    if (at < 0 || at >= bytes.size())
        return {};
    const qsizetype end = bytes.indexOf('\0', at);
    return htmltext::decode(QByteArrayView(bytes).sliced(at, (end < 0 ? bytes.size() : end) - at));
}

quint64 le64(const QByteArray& bytes, qsizetype at)
{
    return quint64(le32(bytes, at)) | quint64(le32(bytes, at + 4)) << 32;
}

quint64 saturatingAdd(quint64 a, quint64 b)
{
    return a > std::numeric_limits<quint64>::max() - b ? std::numeric_limits<quint64>::max()
                                                       : a + b;
}

int furthestStoredByte(chmFile*, chmUnitInfo* unit, void* context)
{
    // Compressed objects live inside the uncompressed content stream.
    if (unit->space == CHM_UNCOMPRESSED) {
        auto& end = *static_cast<quint64*>(context);
        end = std::max(end, saturatingAdd(unit->start, unit->length));
    }
    return CHM_ENUMERATOR_CONTINUE;
}

// chmlib reads past the end of a file cut short as zeros and reports success,
// so the directory and every stored object are checked against the file's size.
bool isWhole(chmFile* archive, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(0x60);
    if (header.size() < 0x58)
        return false;
    // The ITSF header: version, then the directory's offset and length; version 3
    // also gives where the objects' data starts, which otherwise follows the directory.
    const quint64 directoryEnd = saturatingAdd(le64(header, 0x48), le64(header, 0x50));
    const quint64 dataOffset =
        le32(header, 4) >= 3 && header.size() >= 0x60 ? le64(header, 0x58) : directoryEnd;
    quint64 dataEnd = 0;
    chm_enumerate(archive, CHM_ENUMERATE_ALL, furthestStoredByte, &dataEnd);
    const auto size = static_cast<quint64>(file.size());
    return directoryEnd <= size && saturatingAdd(dataOffset, dataEnd) <= size;
}

int collectFile(chmFile*, chmUnitInfo* unit, void* context)
{
    static_cast<QStringList*>(context)->append(htmltext::decode(unit->path));
    return CHM_ENUMERATOR_CONTINUE;
}

const ChmTopic* firstPage(const std::vector<ChmTopic>& topics)
{
    for (const ChmTopic& topic : topics) {
        if (!topic.local.isEmpty())
            return &topic;
        if (const ChmTopic* inner = firstPage(topic.children))
            return inner;
    }
    return nullptr;
}

} // namespace

void ChmArchive::Closer::operator()(chmFile* file) const { chm_close(file); }

ChmArchive::ChmArchive(const QString& file)
{
    if (!QFileInfo::exists(file))
        return;
    m_file.reset(chm_open(QFile::encodeName(file).constData()));
    if (m_file && !isWhole(m_file.get(), file))
        m_file.reset();
    if (!m_file) {
        m_status = Status::Unreadable;
        return;
    }
    m_status = Status::Open;

    // #SYSTEM: a version, then records of a 16-bit code, a 16-bit length and the data.
    const QByteArray system = read(QStringLiteral("/#SYSTEM")).value_or(QByteArray());
    for (qsizetype at = 4; at + 4 <= system.size();) {
        const int code = le16(system, at);
        const qsizetype length = le16(system, at + 2);
        at += 4;
        if (at + length > system.size())
            break;
        m_settings.emplace(code, system.mid(at, length));
        at += length;
    }
}

ChmArchive::~ChmArchive() = default;

bool ChmArchive::contains(const QString& path) const
{
    const auto name = objectName(path);
    chmUnitInfo unit;
    return m_file && name &&
           chm_resolve_object(m_file.get(), name->constData(), &unit) == CHM_RESOLVE_SUCCESS;
}

std::optional<QByteArray> ChmArchive::read(const QString& path) const
{
    const auto name = objectName(path);
    chmUnitInfo unit;
    if (!m_file || !name ||
        chm_resolve_object(m_file.get(), name->constData(), &unit) != CHM_RESOLVE_SUCCESS ||
        unit.length > largestObject)
        return std::nullopt;
    const auto length = static_cast<LONGINT64>(unit.length);
    QByteArray data(length, Qt::Uninitialized);
    if (length > 0 &&
        chm_retrieve_object(m_file.get(), &unit, reinterpret_cast<unsigned char*>(data.data()), 0,
                            length) != length)
        return std::nullopt;
    return data;
}

QStringList ChmArchive::files() const
{
    QStringList files;
    if (m_file)
        chm_enumerate(m_file.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectFile,
                      &files);
    files.sort(Qt::CaseInsensitive);
    return files;
}

QString ChmArchive::title() const { return setting(3); }

QString ChmArchive::defaultTopic() const
{
    const std::vector<ChmTopic> tableOfContents = contents();
    const ChmTopic* first = firstPage(tableOfContents);
    const QString candidates[] = {
        setting(2),
        windowString(0x68),
        windowString(0x6C),
        first ? first->local : QString(),
        QStringLiteral("index.html"),
        QStringLiteral("index.htm"),
        QStringLiteral("default.html"),
        QStringLiteral("default.htm"),
    };
    for (const QString& candidate : candidates) {
        const QUrl url = helplinks::topicUrl(candidate);
        if (candidate.isEmpty() || helplinks::linkKind(url) != helplinks::LinkKind::Topic)
            continue;
        const QString path = helplinks::objectPath(url);
        if (path != u"/" && contains(path))
            return url.hasFragment() ? path + u'#' + url.fragment() : path;
    }
    return {};
}

std::vector<ChmTopic> ChmArchive::contents() const { return table(tableFile(0, 0x60, u".hhc")); }

std::vector<ChmTopic> ChmArchive::index() const { return table(tableFile(1, 0x64, u".hhk")); }

QString ChmArchive::setting(int code) const
{
    const auto found = m_settings.find(code);
    return found == m_settings.end() ? QString() : cString(found->second);
}

QString ChmArchive::windowString(int offset) const
{
    // #WINDOWS: a count and an entry size, then the entries, whose strings are
    // offsets into #STRINGS.
    const QByteArray windows = read(QStringLiteral("/#WINDOWS")).value_or(QByteArray());
    const QByteArray strings = read(QStringLiteral("/#STRINGS")).value_or(QByteArray());
    if (windows.size() < 8)
        return {};
    const qint64 entrySize = le32(windows, 4);
    if (entrySize < offset + 4)
        return {};
    const qint64 count = std::min<qint64>(le32(windows, 0), (windows.size() - 8) / entrySize);
    if (count == 0)
        return {};

    qsizetype chosen = 8;
    const QString wanted = setting(5);
    for (qint64 i = 0; i < count; ++i) {
        const qsizetype entry = 8 + i * entrySize;
        if (!wanted.isEmpty() &&
            cString(strings, le32(windows, entry + 8)).compare(wanted, Qt::CaseInsensitive) == 0) {
            chosen = entry;
            break;
        }
    }
    const quint32 string = le32(windows, chosen + offset);
    return string == 0 ? QString() : cString(strings, string);
}

QString ChmArchive::tableFile(int settingCode, int windowOffset, QStringView suffix) const
{
    for (const QString& named : {setting(settingCode), windowString(windowOffset)}) {
        if (!named.isEmpty() && contains(named))
            return named;
    }
    for (const QString& file : files()) {
        if (file.endsWith(suffix, Qt::CaseInsensitive))
            return file;
    }
    return {};
}

std::vector<ChmTopic> ChmArchive::table(const QString& path) const
{
    const auto bytes = path.isEmpty() ? std::nullopt : read(path);
    return bytes ? parseSitemap(htmltext::decodeHtml(*bytes)) : std::vector<ChmTopic>();
}
