#include "dialogs/help/ChmArchive.h"
#include "support/TempAppFolder.h"

#include <QFile>

#include <gtest/gtest.h>

// Catches a crash or a "success" on a file that is not a help file, a copy
// cut short read with zeros for its missing half, a wrong order of the first
// page's fallbacks (default topic, default window, contents, index.html), and
// a declared first page that is not in the file used anyway. A file without a
// first page here is one that cannot be read.
TEST(ChmArchive, RefusesDamagedFilesAndFindsTheFirstPage)
{
    TempAppFolder folder;
    QFile shipped(QStringLiteral(PALABRINO_HELP_FILE));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray whole = shipped.readAll();
    folder.write("vacio.chm", QByteArray());
    folder.write("cortado.chm", whole.first(whole.size() - 1));
    const auto chm = [](const char* name) { return QStringLiteral(HELP_TEST_CHM_DIR "/") + name; };
    const std::pair<QString, const char*> cases[] = {
        {folder.nativeFile("vacio.chm"), ""},
        {folder.nativeFile("cortado.chm"), ""},
        {folder.path(), ""},
        {chm("sistema.chm"), "/c.html"},   // default topic c, window b, contents index
        {chm("ventana.chm"), "/b.html"},   // window b, contents index
        {chm("contenido.chm"), "/c.html"}, // contents starting with c
        {chm("nada.chm"), "/index.html"},  // nothing declared
        {chm("roto.chm"), "/c.html"},      // missing default topic, contents c
    };
    for (const auto& [file, first] : cases) {
        SCOPED_TRACE(file.toStdString());
        const ChmArchive archive(file);
        EXPECT_EQ(archive.status(),
                  *first ? ChmArchive::Status::Open : ChmArchive::Status::Unreadable);
        EXPECT_EQ(archive.defaultTopic(), QLatin1String(first));
    }
}
