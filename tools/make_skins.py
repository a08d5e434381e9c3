#!/usr/bin/env python3
"""Draws the shipped skins: writes the SVG sources of every picture into
tools/skins/<skin>/ and renders them into data/Skins/<skin>/ as GIFs, with
the skin's info.ini. Needs Debian's librsvg2-bin (rsvg-convert), imagemagick
and fonts-dejavu-core. Run from anywhere: python3 tools/make_skins.py"""

import pathlib
import subprocess
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ROOT / "tools" / "skins"
OUTPUT = ROOT / "data" / "Skins"

SKINS = {
    "Clasico": dict(
        name="Clásico", author="Inés Tablada", mail="ines.tablada@example.org",
        comment="Tinta sobre papel viejo, la horca de madera de siempre.",
        text=(70, 40, 15), paper="#f1e4c3", edge="#d9c48f", ink="#3b2612",
        wood="#8a5a2b", rope="#b8925a", accent="#9c2f1f", stars=False, chalk=False),
    "Noche": dict(
        name="Noche", author="Bruno Alcalde", mail="bruno.alcalde@example.org",
        comment="Una horca recortada contra la luna llena y un cielo de estrellas.",
        text=(255, 226, 140), paper="#16213f", edge="#0c1430", ink="#f2eed2",
        wood="#4a5888", rope="#c9c3a0", accent="#ffd866", stars=True, chalk=False),
    "Pizarra": dict(
        name="Pizarra", author="Lola Varela", mail="lola.varela@example.org",
        comment="Dibujada con tiza en la pizarra del colegio.",
        text=(255, 255, 255), paper="#2d5a3a", edge="#7b4f2a", ink="#f4f3ea",
        wood="#f4f3ea", rope="#e8e4c8", accent="#ffe27a", stars=False, chalk=True),
}

FONT = "DejaVu Sans"


def svg(width, height, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n{body}\n</svg>\n')


def stars(width, height, top, bottom, count, colour):
    # A fixed scatter, so the pictures come out the same at every run.
    out = []
    seed = 7
    for _ in range(count):
        seed = (seed * 1103515245 + 12345) % 2**31
        x = seed % width
        seed = (seed * 1103515245 + 12345) % 2**31
        y = top + seed % max(bottom - top, 1)
        r = 0.8 + (seed % 3) * 0.4
        out.append(f'<circle cx="{x}" cy="{y}" r="{r:.1f}" fill="{colour}"/>')
    return "\n".join(out)


def stroke(s, colour, width):
    extra = ' stroke-dasharray="14 1.5"' if s["chalk"] else ""
    return f'stroke="{colour}" stroke-width="{width}" stroke-linecap="round" fill="none"{extra}'


def background(s):
    body = [f'<rect width="320" height="408" fill="{s["paper"]}"/>']
    if s["stars"]:
        body.append(stars(320, 408, 0, 100, 40, "#fff6cf"))
        body.append(stars(320, 408, 168, 408, 30, "#fff6cf"))
    elif s["chalk"]:
        body.append(f'<rect x="0" y="0" width="320" height="408" fill="none" stroke="{s["edge"]}" '
                    'stroke-width="6"/>')
        body.append('<path d="M 20 395 L 300 395" stroke="#e9e6d6" stroke-width="2" '
                    'stroke-opacity="0.35"/>')
    else:
        body.append(f'<rect x="2" y="2" width="316" height="404" fill="none" stroke="{s["edge"]}" '
                    'stroke-width="4"/>')
        body.append(f'<path d="M 8 392 Q 160 380 312 392" stroke="{s["edge"]}" stroke-width="2" '
                    'fill="none"/>')
    return svg(320, 408, "\n".join(body))


def stage(s, failures):
    body = [f'<rect width="320" height="240" fill="{s["paper"]}"/>']
    if s["stars"]:
        body.append(stars(320, 240, 0, 200, 45, "#fff6cf"))
        body.append('<circle cx="255" cy="60" r="34" fill="#f5efc8"/>')
        body.append('<circle cx="244" cy="52" r="6" fill="#e2dbad"/>'
                    '<circle cx="265" cy="72" r="4" fill="#e2dbad"/>')
        body.append('<path d="M 0 214 Q 80 200 160 212 T 320 208 L 320 240 L 0 240 Z" '
                    'fill="#0a1024"/>')
    elif s["chalk"]:
        body.append(f'<rect x="0" y="0" width="320" height="240" fill="none" stroke="{s["edge"]}" '
                    'stroke-width="6"/>')
    else:
        body.append(f'<path d="M 20 222 Q 160 214 300 222" {stroke(s, s["edge"], 3)}/>')

    wood = stroke(s, s["wood"], 9 if not s["chalk"] else 5)
    body.append(f'<path d="M 40 218 L 200 218" {wood}/>')
    body.append(f'<path d="M 80 218 L 80 28 L 190 28" {wood}/>')
    body.append(f'<path d="M 80 68 L 120 28" {stroke(s, s["wood"], 6 if not s["chalk"] else 4)}/>')
    body.append(f'<path d="M 170 28 L 170 58" {stroke(s, s["rope"], 4)}/>')

    person = stroke(s, s["ink"], 5)
    if failures >= 1:
        body.append(f'<circle cx="170" cy="76" r="18" {person}/>')
    if failures >= 2:
        body.append(f'<path d="M 170 94 L 170 150" {person}/>')
    if failures >= 3:
        body.append(f'<path d="M 170 108 L 146 134 M 170 108 L 194 134" {person}/>')
    if failures >= 4:
        body.append(f'<path d="M 170 150 L 150 190" {person}/>')
    if failures >= 5:
        body.append(f'<path d="M 170 150 L 190 190" {person}/>')
        face = stroke(s, s["accent"], 3)
        body.append(f'<path d="M 160 70 L 166 76 M 166 70 L 160 76 M 174 70 L 180 76 '
                    f'M 180 70 L 174 76 M 162 87 Q 170 81 178 87" {face}/>')
    # The count, small, in the corner: the same picture tells how close the end is.
    body.append(f'<text x="300" y="228" text-anchor="end" font-family="{FONT}" font-size="13" '
                f'font-weight="bold" fill="{s["ink"]}">{failures} / 5</text>')
    return svg(320, 240, "\n".join(body))


def result(s, title, line, colour):
    body = [f'<rect width="300" height="100" fill="{s["paper"]}"/>',
            f'<rect x="3" y="3" width="294" height="94" rx="10" fill="none" stroke="{colour}" '
            'stroke-width="4"/>']
    if s["stars"]:
        body.append(stars(300, 100, 8, 92, 18, "#fff6cf"))
    body.append(f'<text x="150" y="54" text-anchor="middle" font-family="{FONT}" font-size="30" '
                f'font-weight="bold" fill="{colour}">{title}</text>')
    body.append(f'<text x="150" y="80" text-anchor="middle" font-family="{FONT}" font-size="13" '
                f'fill="{s["ink"]}">{line}</text>')
    return svg(300, 100, "\n".join(body))


def pictures(s):
    yield "fondo", background(s)
    for failures in range(6):
        yield str(failures), stage(s, failures)
    yield "nopuntos", result(s, "¡Sin puntos!", "Las vocales cuestan 200 puntos", s["accent"])
    yield "ganado", result(s, "¡Has ganado!", "Pulsa una tecla para seguir", s["accent"])
    yield "perdido", result(s, "¡Has perdido!", "Otra vez será", s["accent"])


def info(s):
    r, g, b = s["text"]
    lines = ["[Colores]", f"TextoR={r}", f"TextoV={g}", f"TextoA={b}", "[Acerca]",
             f"Nombre={s['name']}", f"Autor={s['author']}", f"E-Mail={s['mail']}",
             f"Comentario={s['comment']}"]
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def main():
    with tempfile.TemporaryDirectory() as scratch:
        for skin, s in SKINS.items():
            source = SOURCES / skin
            target = OUTPUT / skin
            source.mkdir(parents=True, exist_ok=True)
            target.mkdir(parents=True, exist_ok=True)
            (target / "info.ini").write_bytes(info(s))
            for name, text in pictures(s):
                (source / f"{name}.svg").write_text(text, encoding="utf-8")
                png = pathlib.Path(scratch) / f"{skin}-{name}.png"
                subprocess.run(["rsvg-convert", "-o", str(png), str(source / f"{name}.svg")],
                               check=True)
                # Opaque, 256 colours, no timestamps: the same bytes at every run.
                subprocess.run(["convert", str(png), "-background", s["paper"], "-alpha", "remove",
                                "-colors", "128", "+dither", "-strip",
                                str(target / f"{name}.gif")], check=True)


if __name__ == "__main__":
    main()
