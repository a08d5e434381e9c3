"""Reads the running game's accessible tree over AT-SPI, as a screen reader
would, and checks that the keyboard and the scores can be found by name."""
import sys
import time

import pyatspi


def find_game(timeout):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "palabrino":
                return app
        time.sleep(0.3)
    return None


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def main():
    game = find_game(20)
    if game is None:
        print("the game never appeared on the accessibility bus")
        return 1
    tree = list(nodes(game))
    buttons = {n.name: n.description for n in tree if n.getRoleName() == "push button"}
    keys = ["Letra " + c for c in "ABCDEFGHIJKLMNÑOPQRSTUVWXYZ"] + ["Número " + d for d in "0123456789"]
    failures = [f"no button named {k!r}" for k in keys if k not in buttons]
    failures += [f"{k!r} is not described as unplayed" for k in keys
                 if k in buttons and buttons[k] != "sin jugar"]

    labels = {n.name: n.description for n in tree if n.getRoleName() == "label"}
    for name in ("Puntuación de la partida", "Puntuación total", "Número de fallos"):
        if labels.get(name) != "0":
            failures.append(f"label {name!r} reads {labels.get(name)!r}, expected '0'")
    phrase = [n for n in tree if n.name == "Frase oculta"]
    if not phrase or "oculta" not in phrase[0].description:
        failures.append("the hidden phrase is not described cell by cell")

    for failure in failures:
        print(failure)
    if not failures:
        print(f"found {len(keys)} keys and the score labels by name")
    return 1 if failures else 0


sys.exit(main())
