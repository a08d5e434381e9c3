#include "game/Game.h"
#include "app/Cp1252.h"
#include "app/Numbers.h"
#include "game/FolderFiles.h"
#include "support/DataFile.h"
#include "support/TempAppFolder.h"
#include "support/Transcript.h"
#include "words/CategoryFiles.h"

#include <QDir>

#include <memory>

namespace {

// Plays data/partidas.txt against the game alone, on real files in a
// temporary application folder, and prints what the game then holds.
class Transcript {
public:
    Transcript() { folder.write("datos.ini", iniText({"[Config]", "Categoria=Prueba"})); }

    // Does one step: what the game then holds, or a null text for a step
    // that shows nothing.
    QString step(const QString& verb, const QString& rest)
    {
        if (fileStep(folder, verb, rest))
            return {};
        if (verb == "borra")
            QDir(folder.nativeFile(rest)).removeRecursively();
        else if (verb == "abre" || verb == "nueva")
            deal(verb == "abre");
        else
            return withNotes(seen(verb, rest));
        return {};
    }

private:
    QString seen(const QString& verb, const QString& rest)
    {
        if (verb == "lee")
            return cp1252::decode(folder.read(rest)).trimmed().replace("\r\n", " | ");
        if (verb == "cierra") {
            game->leave();
            return QStringList{stored("Est", "Ganadas"), stored("Est", "Perdidas"),
                               stored("Est", "MaxPunt"), stored("Datos", "Cuenta")}
                .join(u' ');
        }
        if (verb == "reparto")
            return QStringList{game->phrase(),
                               game->display(),
                               game->dashes(),
                               game->hint(),
                               stored("Datos", "Cuenta"),
                               game->hasDigit() ? "con cifras" : "sin cifras"}
                .join(" | ");
        QStringList outcomes;
        if (verb == "pulsa") {
            for (const QChar key : rest)
                outcomes << name(game->play(key));
        } else if (verb == "resuelve") {
            outcomes << name(game->solve(rest.mid(1, rest.size() - 2)));
        } else if (verb != "mira") {
            ADD_FAILURE() << "unknown step " << verb.toStdString();
        }
        return QString("%1 | %2 | %3 | %4 | %5 | %6")
            .arg(game->display(), QString::number(game->failures()), numberText(game->score()),
                 numberText(game->total()), game->used().trimmed(),
                 outcomes.isEmpty() ? "-" : outcomes.join(u' '));
    }

    // A program started afresh keeps nothing of the last one.
    void deal(bool started)
    {
        if (started)
            game = std::make_unique<Game>(files);
        const Dealt dealt = game->deal();
        if (dealt == Dealt::NoCategory)
            notes << "sin categorías";
        else if (dealt == Dealt::EmptyCategory)
            notes << "sin frases";
    }
    // Then what dealing found and the writes that failed since last seen.
    QString withNotes(QString shown)
    {
        for (const QString& note : notes)
            shown += " | " + note;
        notes.clear();
        return shown;
    }

    // In the order Outcome lists them.
    static QString name(Outcome outcome)
    {
        static const char* const names[] = {"nada",  "sin puntos", "acierto",
                                            "fallo", "ganada",     "perdida"};
        return names[int(outcome)];
    }

    QString stored(const char* section, const char* key) const
    {
        return files.read(game->category(), section, key);
    }

    TempAppFolder folder;
    QStringList notes;
    mutable FolderFiles files{folder.path(), [this] { notes << "no guardado"; }};
    std::unique_ptr<Game> game;
};

} // namespace

// Scripted games: each step of data/partidas.txt is followed by what the game
// then holds, and the whole transcript is compared at once.
TEST(Game, ScriptedGamesShowTheirTranscript)
{
    const QString expected = QString::fromUtf8(dataFile("partidas.txt"));
    Transcript transcript;
    const QString seen = playTranscript(expected, [&](const QString& verb, const QString& rest) {
        return transcript.step(verb, rest);
    });
    EXPECT_EQ(seen.toStdString(), expected.toStdString());
}
