"""Every text of the screens, in English ("eng") and German ("deu")."""

NATIVES = {"eng": "English", "deu": "Deutsch"}

INTRO = {
    "eng": {"quote": "“Every door is a question; every thing you carry, a possible answer.”"},
    "deu": {"quote": "„Jede Tür ist eine Frage; jedes Ding, das du trägst, eine mögliche Antwort.“"},
}

META = {
    "eng": {
        "meta_info": "Info", "meta_play": "Play", "meta_help": "Help",
        "meta_credits": "Credits", "meta_quit": "Quit", "meta_verse": "Verse",
        "meta_hint": "Left and right choose a verse, up and down (or I, P, H, C, Q) choose "
                     "an item, Enter confirms. F10 quits at any time.",
        "meta_escape": "Escape returns to the menu.",
        "info_header": "About this verse", "info_title": "Title",
        "info_descript": "Description", "info_version": "Version", "info_date": "Date",
        "info_authors": "Authors", "info_languages": "Languages",
        "info_comments": "Comments",
    },
    "deu": {
        "meta_info": "Info", "meta_play": "Spielen", "meta_help": "Hilfe",
        "meta_credits": "Abspann", "meta_quit": "Beenden", "meta_verse": "Vers",
        "meta_hint": "Links und rechts wählen einen Vers, auf und ab (oder I, P, H, C, Q) "
                     "einen Eintrag, Enter bestätigt. F10 beendet jederzeit.",
        "meta_escape": "Escape führt zurück zum Menü.",
        "info_header": "Über diesen Vers", "info_title": "Titel",
        "info_descript": "Beschreibung", "info_version": "Version", "info_date": "Datum",
        "info_authors": "Autoren", "info_languages": "Sprachen",
        "info_comments": "Anmerkungen",
    },
}

HELP = {
    "eng": [
        """HELP  1 / 3  —  Controls            (Space: next page    Escape: back to the menu)

Move the mouse to look around a place. The cursor shows what a click would do:
    an eye: nothing to do here, just look;
    a shining hand: a thing you can take — click to put it in your inventory;
    a bright speech bubble: a portal — click to open its portal screen;
    a dim speech bubble: a portal whose circle is still closed to you;
    a shining magnifier: a portal you have unlocked — click to travel at once.

Left button: act.
Right button: in a place, open the circles map; on a portal screen, leave it.
I or the mouse wheel: open and close the inventory.
Middle button, held: show the names of the doors and things of the place.
C or M: open and close the circles map.
T: show the frame rate.    Escape: back to the menu (your progress is kept).    F10: quit.
""",
        """HELP  2 / 3  —  Portals and phrases

A portal is a way to another place. The first time you click it, its portal screen opens:
a dark veil with one or more phrases, each waiting for a thing.

Open the inventory (I or the wheel) and click a thing to take it in hand,
then click a phrase to lay the thing on it. The phrase changes to tell you what you did.
Some things fit a phrase's words but not its meaning: read carefully.
Click a phrase with empty hands to clear it. Up and down scroll a long list.

When every phrase holds its right thing, the veil turns white and the portal speaks.
Click once more and you travel. From then on the portal takes you with a single click.

Things are never used up: what you carry stays in your inventory.
The right button leaves a portal screen before it unlocks; what you laid there is forgotten.
""",
        """HELP  3 / 3  —  Circles

The places of a verse lie on circles. You begin on the outermost circle and travel inwards.
A portal into an inner circle opens only when you have been to every place
of all the circles outside it: a dim speech bubble means "explore further out first".

The circles map (C, M or the right button) shows every place you know.
Click a known place to travel there; unknown places are dark discs with a question mark.

Circle 0 is the heart of a verse. There the cursor rests: just look around.

Your progress is saved when you leave a verse, and it waits for you next time.
""",
    ],
    "deu": [
        """HILFE  1 / 3  —  Steuerung            (Leertaste: weiter    Escape: zurück zum Menü)

Bewege die Maus, um dich an einem Ort umzusehen. Der Mauszeiger zeigt, was ein Klick bewirkt:
    ein Auge: hier gibt es nichts zu tun, nur zu schauen;
    eine leuchtende Hand: ein Ding zum Nehmen — klicke, um es ins Inventar zu legen;
    eine helle Sprechblase: ein Portal — klicke, um seinen Portalschirm zu öffnen;
    eine matte Sprechblase: ein Portal, dessen Kreis dir noch verschlossen ist;
    eine leuchtende Lupe: ein entriegeltes Portal — klicke, um sofort zu reisen.

Linke Taste: handeln.
Rechte Taste: an einem Ort die Kreiskarte öffnen; auf einem Portalschirm ihn verlassen.
I oder das Mausrad: das Inventar öffnen und schließen.
Mittlere Taste, gehalten: die Namen der Türen und Dinge des Ortes zeigen.
C oder M: die Kreiskarte öffnen und schließen.
T: die Bildrate zeigen.    Escape: zurück zum Menü (dein Fortschritt bleibt).    F10: beenden.
""",
        """HILFE  2 / 3  —  Portale und Sätze

Ein Portal ist ein Weg zu einem anderen Ort. Beim ersten Klick öffnet sich sein Portalschirm:
ein dunkler Schleier mit einem oder mehreren Sätzen, die jeweils auf ein Ding warten.

Öffne das Inventar (I oder das Mausrad) und klicke ein Ding an, um es in die Hand zu nehmen;
klicke dann einen Satz an, um das Ding darauf zu legen. Der Satz ändert sich und erzählt, was du getan hast.
Manche Dinge passen zu den Worten eines Satzes, aber nicht zu seinem Sinn: lies genau.
Ein Klick mit leeren Händen räumt einen Satz wieder ab. Auf und ab rollen eine lange Liste.

Trägt jeder Satz sein richtiges Ding, wird der Schleier weiß und das Portal spricht.
Noch ein Klick, und du reist. Danach bringt dich das Portal mit einem einzigen Klick hinüber.

Dinge werden nie verbraucht: was du trägst, bleibt in deinem Inventar.
Die rechte Taste verlässt einen Portalschirm, bevor er sich öffnet; was dort lag, ist vergessen.
""",
        """HILFE  3 / 3  —  Kreise

Die Orte eines Verses liegen auf Kreisen. Du beginnst auf dem äußersten Kreis und reist nach innen.
Ein Portal in einen inneren Kreis öffnet sich erst, wenn du an jedem Ort
aller äußeren Kreise gewesen bist: eine matte Sprechblase heißt „erkunde erst weiter draußen“.

Die Kreiskarte (C, M oder die rechte Taste) zeigt jeden Ort, den du kennst.
Klicke einen bekannten Ort an, um dorthin zu reisen; unbekannte Orte sind dunkle Scheiben mit Fragezeichen.

Kreis 0 ist das Herz eines Verses. Dort ruht der Mauszeiger: schau dich einfach um.

Dein Fortschritt wird gespeichert, wenn du einen Vers verlässt, und wartet auf dich.
""",
    ],
}

CREDITS = {
    "eng": """ORLEVANTH
the demo game


THE KEEPER'S LIGHT
a verse of eight places on three circles

THE QUIET GARDEN
a verse of two places


Places, things, cursors and logos
drawn with ImageMagick

Cinemas
composed with ImageMagick, encoded with FFmpeg

Music, ambiences and sounds
made with SoX

Voices
spoken by eSpeak NG

Letters
the DejaVu fonts


Everything in this game was made by one script
from the tools of a Debian system.
Run tools/make-demo to make it again.


Thank you for playing.
""",
    "deu": """ORLEVANTH
das Demo-Spiel


DAS LICHT DES WÄRTERS
ein Vers aus acht Orten auf drei Kreisen

DER STILLE GARTEN
ein Vers aus zwei Orten


Orte, Dinge, Mauszeiger und Logos
gezeichnet mit ImageMagick

Filme
gestaltet mit ImageMagick, kodiert mit FFmpeg

Musik, Klänge und Geräusche
erzeugt mit SoX

Stimmen
gesprochen von eSpeak NG

Schrift
die DejaVu-Schriften


Alles in diesem Spiel hat ein einziges Skript
aus den Werkzeugen eines Debian-Systems gemacht.
tools/make-demo macht es noch einmal.


Danke fürs Spielen.
""",
}
