#include "support/GameFixture.h"

#include "app/Module1.h"

#include <QBuffer>
#include <QImage>

QByteArray categoryText(std::initializer_list<const char*> entries, const char* est,
                        const char* extra, const char* cuenta)
{
    QByteArray text = iniText({"[Datos]", cuenta, "Modo=0", "[Contenido]"});
    int number = 1;
    for (const char* entry : entries)
        text += QByteArray::number(number++) + "A=" + iniText({entry});
    return text + extra + iniText({"[Est]", est});
}

QByteArray pngPicture(const QColor& colour, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    image.save(&out, "PNG");
    return bytes;
}

void writeSkin(const TempAppFolder& folder, const QString& name, const QColor& colour)
{
    folder.write("Skins/" + name + "/info.ini",
                 iniText({"[Colores]", "TextoR=10", "TextoV=20", "TextoA=30", "[Acerca]",
                          "Nombre=Piel", "Autor=Alguien", "Comentario=Una piel de prueba"}));
    // The gallows darken stage by stage, so each holder shows which it got.
    folder.write("Skins/" + name + "/fondo.gif", pngPicture(colour, {320, 408}));
    for (int n = 0; n < 6; ++n)
        folder.write(QStringLiteral("Skins/%1/%2.gif").arg(name).arg(n),
                     pngPicture(colour.darker(100 + 20 * n)));
    folder.write("Skins/" + name + "/nopuntos.gif", pngPicture(Qt::yellow));
    folder.write("Skins/" + name + "/ganado.gif", pngPicture(Qt::green));
    folder.write("Skins/" + name + "/perdido.gif", pngPicture(Qt::red));
}

QByteArray shippedCategory(const char* cuenta, const char* extra)
{
    // The comment's ú is one byte that a write must not spoil.
    const QByteArray about = extra + QByteArray("[Acerca]\r\nComentario=Nueve n\xFAmeros\r\n");
    return categoryText({"uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve"},
                        "Ganadas=0\r\nPerdidas=0\r\nMaxPunt=0", about.constData(), cuenta);
}

void layShippedFolder(const TempAppFolder& folder)
{
    folder.write("datos.ini", iniText({"[Config]", "Categoria=Prueba", "Skin=Prueba"}));
    folder.write("Categorias/Prueba.ini", shippedCategory());
    folder.write("Categorias/Otra.ini",
                 categoryText({"mar"}, "Ganadas=2\r\nPerdidas=1\r\nMaxPunt=1200"));
    writeSkin(folder, "Prueba", QColor(200, 220, 240));
}

QString GameFixture::stored(const char* section, const char* key, const QString& name) const
{
    return LeerIni(folder.programPath(QStringLiteral("Categorias/%1.ini").arg(name)), section, key);
}
