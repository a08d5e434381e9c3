#include "help/Sitemap.h"

#include "help/HtmlText.h"

#include <QRegularExpression>

#include <optional>

namespace {

QString attribute(const QString& attributes, QStringView wanted)
{
    static const QRegularExpression pair(
        QStringLiteral(R"re(([-\w]+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"));
    for (auto it = pair.globalMatch(attributes); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(1).compare(wanted, Qt::CaseInsensitive) == 0) {
            for (int group = 2; group <= 4; ++group) {
                if (match.capturedStart(group) >= 0)
                    return htmltext::decodeEntities(match.captured(group));
            }
        }
    }
    return {};
}

} // namespace

std::vector<ChmTopic> parseSitemap(const QString& html)
{
    static const QRegularExpression tag(QStringLiteral(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)"),
                                        QRegularExpression::CaseInsensitiveOption);
    std::vector<ChmTopic> topics;
    // The list each open <ul> adds to. Only the innermost one grows while it
    // is open, so the pointers into its parents stay valid.
    std::vector<std::vector<ChmTopic>*> open;
    std::optional<ChmTopic> entry;

    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        const QString attributes = match.captured(3);
        std::vector<ChmTopic>* level = open.empty() ? &topics : open.back();

        if (name == u"ul" && !closing) {
            // A list inside a list holds the children of the entry before it.
            open.push_back(open.empty() || level->empty() ? level : &level->back().children);
        } else if (name == u"ul") {
            if (!open.empty())
                open.pop_back();
        } else if (name == u"object" && !closing) {
            // Other objects, such as the table's "site properties", are not entries.
            if (attribute(attributes, u"type").compare(u"text/sitemap", Qt::CaseInsensitive) == 0)
                entry.emplace();
        } else if (name == u"object") {
            if (entry && !(entry->name.isEmpty() && entry->local.isEmpty()))
                level->push_back(std::move(*entry));
            entry.reset();
        } else if (entry) {
            const QString param = attribute(attributes, u"name");
            if (param.compare(u"Name", Qt::CaseInsensitive) == 0 && entry->name.isEmpty())
                entry->name = attribute(attributes, u"value").simplified();
            else if (param.compare(u"Local", Qt::CaseInsensitive) == 0 && entry->local.isEmpty())
                entry->local = attribute(attributes, u"value").trimmed();
        }
    }
    return topics;
}
