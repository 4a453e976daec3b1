#!/usr/bin/python3
"""What a screen reader sees of the running game over AT-SPI, and its presses.

    atspi.py board             the main window's letters and whether End Game is enabled
    atspi.py press NAME        presses the main window's button of that name (a letter:
                               its first letter's name, e.g. "E, row 2, column 3")
"""
import sys

import pyatspi


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and (app.name or '').lower() == 'golexorb':
            return app
    sys.exit('the game is not on the accessibility bus')


def main_window():
    app = game()
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == 'Go LEXORB':
            return w
    sys.exit('no main window')


def buttons(acc):
    if acc.getRole() == pyatspi.ROLE_PUSH_BUTTON:
        yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from buttons(child)


def board():
    cells, end = [], None
    for b in buttons(main_window()):
        if ', row ' in b.name:
            selected = b.getState().contains(pyatspi.STATE_SELECTED)
            cells.append(b.name + (' selected' if selected else ''))
        elif b.name == 'End Game':
            end = b.getState().contains(pyatspi.STATE_ENABLED)
    print('|'.join(cells))
    print('End Game enabled' if end else 'End Game disabled')


def press(name):
    for b in buttons(main_window()):
        if b.name == name:
            action = b.queryAction()
            for i in range(action.nActions):
                if action.getName(i).lower() == 'press':
                    action.doAction(i)
                    return
            sys.exit(f'{name} has no press action')
    sys.exit(f'no button {name}')


if __name__ == '__main__':
    if sys.argv[1:2] == ['board']:
        board()
    elif sys.argv[1:2] == ['press'] and len(sys.argv) == 3:
        press(sys.argv[2])
    else:
        sys.exit(__doc__)
