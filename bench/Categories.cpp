#include "Categories.h"

#include "app/Cp1252.h"

namespace benchdata {
namespace {

std::unique_ptr<TempAppFolder> folderWith(const QByteArray& contents)
{
    auto folder = std::make_unique<TempAppFolder>();
    folder->write("datos.ini", iniText({"[Config]", "Categoria=Grande", "Skin=Ninguna"}));
    folder->write(categoryFile, iniText({"[Datos]", "Cuenta=1", "Modo=0", "[Contenido]"}) +
                                    contents +
                                    iniText({"[Acerca]", "Nombre=Grande", "[Est]", "Ganadas=0",
                                             "Perdidas=0", "MaxPunt=0"}));
    return folder;
}

} // namespace

std::unique_ptr<TempAppFolder> categoryOf(int entries)
{
    const QByteArray phrase = "una frase de cuarenta letras para probar";
    QByteArray contents;
    for (int n = 1; n <= entries; ++n)
        contents += QByteArray::number(n) + "A=" + phrase + "\r\n";
    return folderWith(contents);
}

void threeSizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(smallCategory)->Arg(mediumCategory)->Arg(largestCategory);
    benchmark->Unit(benchmark::kMicrosecond);
}

std::unique_ptr<TempAppFolder> longPhraseCategory()
{
    QString phrase;
    while (phrase.size() < 254)
        phrase += QStringLiteral("ABCDEFGHIJKLMNÑOPQRSTUVWXYZ 0123456789 ");
    phrase.truncate(254);
    return folderWith("1A=" + cp1252::encode(phrase) + "\r\n");
}

} // namespace benchdata
