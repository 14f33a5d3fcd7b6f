"""The small verse: "The Quiet Garden", two places on a single circle."""
import garden
from verse_model import Phrase, Place, Portal, Thing, Verse, t

VERSE = Verse(
    vid="garden",
    title=t("The Quiet Garden", "Der stille Garten"),
    descript=t("A short evening walk: a pond, a wind bell and a pavilion that waits to be woken.",
               "Ein kurzer Abendspaziergang: ein Teich, eine Windglocke und ein Pavillon, der "
               "geweckt werden will."),
    version="1.0", date="2025-06-21", authors="The Orlevanth demo makers",
    comments="One circle only: circle 0 is the heart of a verse, so the cursor rests here.",
    circles=[[
        Place("pond", t("Lily Pond", "Seerosenteich"), garden.pond, (420, 300, 300), "garden",
              (["pinknoise", "highpass", "1500", "lowpass", "4000", "tremolo", "0.5", "40",
                "vol", "0.5"], "chimes")),
        Place("pavilion", t("Moon Pavilion", "Mondpavillon"), garden.pavilion, (400, 260, 300),
              "garden", (["pinknoise", "lowpass", "700", "tremolo", "0.2", "50"], "chimes")),
    ]],
    things=[Thing("bell", t("Wind Bell", "Windglocke"))],
    portals=[
        Portal("pond_pavilion", "pavilion", [
            Phrase(t("The pavilion sleeps until it hears a small, clear sound: …",
                     "Der Pavillon schläft, bis er einen kleinen, hellen Klang hört: …"), [
                ("bell", t("The pavilion sleeps until it hears a small, clear sound: the wind bell rings, and its lanterns wake.",
                           "Der Pavillon schläft, bis er einen kleinen, hellen Klang hört: die Windglocke klingt, und seine Laternen erwachen.")),
            ]),
        ], t("Listen: the pavilion is awake.", "Horch: der Pavillon ist erwacht.")),
        Portal("pavilion_pond", "pond", [], t("Back to the pond.", "Zurück zum Teich.")),
    ],
    musics={"garden": dict(root=55, scale="major", degrees=[0, 5, 3, 4], bar=2.8,
                           pattern=(0, 1, 2, 1, 2, 1, 0, 2), seed=4)},
    picture_from="pond",
)
