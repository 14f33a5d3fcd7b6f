"""The main verse: "The Keeper's Light". Eight places on three circles: the shore (circle
2, where a new game starts), the tower (circle 1) and the lamp room (circle 0)."""
import light
import shore
import tower
from verse_model import Phrase, Place, Portal, Thing, Verse, t

THINGS = [
    Thing("lantern", t("Storm Lantern", "Sturmlaterne")),
    Thing("apple", t("Silver Apple", "Silberapfel")),
    Thing("feather", t("Heron Feather", "Reiherfeder")),
    Thing("rope", t("Knotted Rope", "Knotenseil")),
    Thing("shell", t("Scallop Shell", "Jakobsmuschel")),
    Thing("key", t("Brass Key", "Messingschlüssel")),
    Thing("chart", t("Star Chart", "Sternkarte")),
    Thing("hourglass", t("Hourglass", "Sanduhr")),
]


def back(pid, dest, eng, deu):
    """A way back to a place already known: no phrases, it opens at once and speaks."""
    return Portal(pid, dest, [], t(eng, deu))


PORTALS = [
    Portal("gate_orchard", "orchard", [
        Phrase(t("Under the trees the night is deep. To find the path, I carry …",
                 "Unter den Bäumen ist die Nacht tief. Um den Weg zu finden, trage ich …"), [
            ("lantern", t("Under the trees the night is deep. I raise the storm lantern, and the path shines before me.",
                          "Unter den Bäumen ist die Nacht tief. Ich hebe die Sturmlaterne, und der Weg leuchtet vor mir.")),
            ("apple", t("Under the trees the night is deep. I hold up a silver apple: it gleams, but it lights nothing.",
                        "Unter den Bäumen ist die Nacht tief. Ich halte einen Silberapfel hoch: er glänzt, doch er erhellt nichts.")),
            ("feather", t("Under the trees the night is deep. I carry a heron feather. The dark does not even notice.",
                          "Unter den Bäumen ist die Nacht tief. Ich trage eine Reiherfeder. Die Dunkelheit bemerkt sie nicht einmal.")),
            ("chart", t("Under the trees the night is deep. I unroll a star chart, but under the leaves there are no stars.",
                        "Unter den Bäumen ist die Nacht tief. Ich entrolle eine Sternkarte, doch unter dem Laub gibt es keine Sterne.")),
        ]),
    ], t("The lantern finds the path. The orchard lets you in.",
         "Die Laterne findet den Weg. Der Obstgarten lässt dich ein.")),
    Portal("orchard_well", "well", [
        Phrase(t("The old well is thirsty for a gift the trees have given. I offer …",
                 "Der alte Brunnen dürstet nach einer Gabe der Bäume. Ich biete …"), [
            ("apple", t("The old well is thirsty for a gift the trees have given. I offer the silver apple, and the water sings.",
                        "Der alte Brunnen dürstet nach einer Gabe der Bäume. Ich biete den Silberapfel, und das Wasser singt.")),
            ("feather", t("The old well is thirsty for a gift the trees have given. I offer a heron feather: a gift, yes, but from the sky.",
                          "Der alte Brunnen dürstet nach einer Gabe der Bäume. Ich biete eine Reiherfeder: eine Gabe, ja, doch vom Himmel.")),
            ("lantern", t("The old well is thirsty for a gift the trees have given. I offer the lantern's light. The well is thirsty, not blind.",
                          "Der alte Brunnen dürstet nach einer Gabe der Bäume. Ich biete das Licht der Laterne. Der Brunnen ist durstig, nicht blind.")),
        ]),
    ], t("The well has drunk. Go down to the water.",
         "Der Brunnen hat getrunken. Geh hinab zum Wasser.")),
    Portal("gate_cove", "cove", [
        Phrase(t("The steps to the cove are steep and wet with spray. To hold on, I tie …",
                 "Die Stufen zur Bucht sind steil und nass von der Gischt. Um mich zu halten, knote ich …"), [
            ("rope", t("The steps to the cove are steep and wet with spray. I tie the knotted rope to the post and climb down safely.",
                       "Die Stufen zur Bucht sind steil und nass von der Gischt. Ich knote das Knotenseil an den Pfosten und steige sicher hinab.")),
            ("feather", t("The steps to the cove are steep and wet with spray. I tie a heron feather to the post. It would not hold a sparrow.",
                          "Die Stufen zur Bucht sind steil und nass von der Gischt. Ich knote eine Reiherfeder an den Pfosten. Sie hielte nicht einmal einen Spatz.")),
            ("lantern", t("The steps to the cove are steep and wet with spray. I hang the lantern on the post: now I see how steep they are.",
                          "Die Stufen zur Bucht sind steil und nass von der Gischt. Ich hänge die Laterne an den Pfosten: jetzt sehe ich, wie steil sie sind.")),
        ]),
    ], t("Rope in hand, the cliff lets you pass.",
         "Mit dem Seil in der Hand lässt dich die Klippe vorbei.")),
    Portal("gate_tower", "stair", [
        Phrase(t("The keeper's door is sealed with salt. It opens for a token of the sea: …",
                 "Die Tür des Wärters ist mit Salz versiegelt. Sie öffnet sich einem Zeichen des Meeres: …"), [
            ("shell", t("The keeper's door is sealed with salt. The scallop shell touches it, and the salt remembers the sea.",
                        "Die Tür des Wärters ist mit Salz versiegelt. Die Jakobsmuschel berührt sie, und das Salz erinnert sich an das Meer.")),
            ("rope", t("The keeper's door is sealed with salt. A knotted rope, wet with spray: close, but the sea did not make it.",
                       "Die Tür des Wärters ist mit Salz versiegelt. Ein Knotenseil, nass von der Gischt: nah dran, doch das Meer hat es nicht gemacht.")),
            ("apple", t("The keeper's door is sealed with salt. A silver apple: the salt is not impressed.",
                        "Die Tür des Wärters ist mit Salz versiegelt. Ein Silberapfel: das Salz bleibt ungerührt.")),
        ]),
        Phrase(t("And the door asks for one who has flown over the water: …",
                 "Und die Tür verlangt nach einem, der über das Wasser geflogen ist: …"), [
            ("feather", t("And the door asks for one who has flown over the water: the heron's feather answers for me.",
                          "Und die Tür verlangt nach einem, der über das Wasser geflogen ist: die Feder des Reihers antwortet für mich.")),
            ("lantern", t("And the door asks for one who has flown over the water: the lantern crossed it in my hand, but it never flew.",
                          "Und die Tür verlangt nach einem, der über das Wasser geflogen ist: die Laterne kam in meiner Hand hinüber, doch geflogen ist sie nie.")),
            ("shell", t("And the door asks for one who has flown over the water: the shell lay in the water, never above it.",
                        "Und die Tür verlangt nach einem, der über das Wasser geflogen ist: die Muschel lag im Wasser, nie darüber.")),
        ]),
    ], t("Salt and feather. The keeper's tower opens.",
         "Salz und Feder. Der Turm des Wärters öffnet sich.")),
    Portal("stair_library", "library", [
        Phrase(t("The library above has been locked since the last keeper left. I turn …",
                 "Die Bibliothek oben ist verschlossen, seit der letzte Wärter ging. Ich drehe …"), [
            ("key", t("The library above has been locked since the last keeper left. I turn the brass key, and the lock gives way.",
                      "Die Bibliothek oben ist verschlossen, seit der letzte Wärter ging. Ich drehe den Messingschlüssel, und das Schloss gibt nach.")),
            ("shell", t("The library above has been locked since the last keeper left. I turn a shell in my fingers. It fits no lock.",
                        "Die Bibliothek oben ist verschlossen, seit der letzte Wärter ging. Ich drehe eine Muschel in den Fingern. Sie passt in kein Schloss.")),
            ("hourglass", t("The library above has been locked since the last keeper left. I turn the hourglass. Time passes; the door stays shut.",
                            "Die Bibliothek oben ist verschlossen, seit der letzte Wärter ging. Ich drehe die Sanduhr. Die Zeit vergeht; die Tür bleibt zu.")),
        ]),
    ], t("The key remembers its lock. The books are waiting.",
         "Der Schlüssel erinnert sich an sein Schloss. Die Bücher warten.")),
    Portal("library_clock", "clock", [
        Phrase(t("The clock room is kept by the stars. To show them the way, I unroll …",
                 "Die Uhrenstube wird von den Sternen bewacht. Um ihnen den Weg zu zeigen, entrolle ich …"), [
            ("chart", t("The clock room is kept by the stars. I unroll the star chart, and the stars nod.",
                        "Die Uhrenstube wird von den Sternen bewacht. Ich entrolle die Sternkarte, und die Sterne nicken.")),
            ("rope", t("The clock room is kept by the stars. I unroll the knotted rope: it reaches far, but it shows no way.",
                       "Die Uhrenstube wird von den Sternen bewacht. Ich entrolle das Knotenseil: es reicht weit, doch es zeigt keinen Weg.")),
            ("feather", t("The clock room is kept by the stars. A feather cannot be unrolled; it only tickles them.",
                          "Die Uhrenstube wird von den Sternen bewacht. Eine Feder lässt sich nicht entrollen; sie kitzelt sie nur.")),
        ]),
        Phrase(t("Its latch hangs high above the door. To reach it, I climb with …",
                 "Ihr Riegel hängt hoch über der Tür. Um ihn zu erreichen, klettere ich mit …"), [
            ("rope", t("Its latch hangs high above the door. I climb with the knotted rope and lift the latch.",
                       "Ihr Riegel hängt hoch über der Tür. Ich klettere mit dem Knotenseil hinauf und hebe den Riegel.")),
            ("key", t("Its latch hangs high above the door. I climb with the brass key: a fine key, but no ladder.",
                      "Ihr Riegel hängt hoch über der Tür. Ich klettere mit dem Messingschlüssel: ein schöner Schlüssel, aber keine Leiter.")),
            ("lantern", t("Its latch hangs high above the door. I hold the lantern high: now I see the latch, and still cannot reach it.",
                          "Ihr Riegel hängt hoch über der Tür. Ich halte die Laterne hoch: jetzt sehe ich den Riegel und erreiche ihn noch immer nicht.")),
        ]),
    ], t("Stars and rope. The clocks are ticking for you.",
         "Sterne und Seil. Die Uhren ticken für dich.")),
    Portal("clock_lamp", "lamp", [
        Phrase(t("To wake the great light, I bring a flame: …",
                 "Um das große Licht zu wecken, bringe ich eine Flamme: …"), [
            ("lantern", t("To wake the great light, I bring a flame: the storm lantern, still burning since the gate.",
                          "Um das große Licht zu wecken, bringe ich eine Flamme: die Sturmlaterne, die seit dem Tor brennt.")),
            ("apple", t("To wake the great light, I bring a flame: a silver apple. It only shines back at me.",
                        "Um das große Licht zu wecken, bringe ich eine Flamme: einen Silberapfel. Er scheint nur zurück.")),
            ("hourglass", t("To wake the great light, I bring a flame: the hourglass. Its sand glows gold, but it is cold.",
                            "Um das große Licht zu wecken, bringe ich eine Flamme: die Sanduhr. Ihr Sand glänzt golden, doch er ist kalt.")),
        ]),
        Phrase(t("To aim it where the ships are lost, I read …",
                 "Um es dorthin zu richten, wo Schiffe sich verirren, lese ich …"), [
            ("chart", t("To aim it where the ships are lost, I read the star chart, and the beam knows its way.",
                        "Um es dorthin zu richten, wo Schiffe sich verirren, lese ich die Sternkarte, und der Strahl kennt seinen Weg.")),
            ("shell", t("To aim it where the ships are lost, I read the lines of a shell. They tell of the sea, not where to look.",
                        "Um es dorthin zu richten, wo Schiffe sich verirren, lese ich die Linien einer Muschel. Sie erzählen vom Meer, nicht, wohin man schaut.")),
            ("key", t("To aim it where the ships are lost, I read the notches of a key. They lead to a lock, not to a ship.",
                      "Um es dorthin zu richten, wo Schiffe sich verirren, lese ich die Kerben eines Schlüssels. Sie führen zu einem Schloss, nicht zu einem Schiff.")),
        ]),
        Phrase(t("And to turn it night after night without rest, I set …",
                 "Und um es Nacht für Nacht ohne Rast zu drehen, stelle ich …"), [
            ("hourglass", t("And to turn it night after night without rest, I set the hourglass beside it, and time turns the light.",
                            "Und um es Nacht für Nacht ohne Rast zu drehen, stelle ich die Sanduhr daneben, und die Zeit dreht das Licht.")),
            ("feather", t("And to turn it night after night without rest, I set a feather to fan it. It turns once, and stops.",
                          "Und um es Nacht für Nacht ohne Rast zu drehen, stelle ich eine Feder daneben, die es anfacht. Es dreht sich einmal und steht still.")),
            ("rope", t("And to turn it night after night without rest, I set a rope to pull it. My arms would tire before dawn.",
                       "Und um es Nacht für Nacht ohne Rast zu drehen, stelle ich ein Seil daneben, um es zu ziehen. Meine Arme würden vor dem Morgen ermüden.")),
        ]),
    ], t("Flame, stars and time. Climb up, keeper. The light is yours.",
         "Flamme, Sterne und Zeit. Steig hinauf, Wärter. Das Licht gehört dir.")),
    back("orchard_gate", "gate", "The way back to the gate is always open.",
         "Der Weg zurück zum Tor steht immer offen."),
    back("well_orchard", "orchard", "Back among the silver trees.", "Zurück zu den silbernen Bäumen."),
    back("cove_gate", "gate", "Up the steps, back to the gate.", "Die Stufen hinauf, zurück zum Tor."),
    back("stair_gate", "gate", "Out into the evening, down to the shore.",
         "Hinaus in den Abend, hinunter zur Küste."),
    back("library_stair", "stair", "Down the stair again.", "Die Treppe wieder hinab."),
    back("clock_library", "library", "Back to the books.", "Zurück zu den Büchern."),
    back("lamp_gate", "gate", "The light is lit. Go home to the shore, and look back at it.",
         "Das Licht brennt. Geh heim zur Küste und schau zurück."),
]

# Ambient beds: sox synth arguments and effects for the noise, optional periodic events.
WIND = ["pinknoise", "lowpass", "600", "tremolo", "0.25", "60"]
ROOM = ["brownnoise", "lowpass", "220", "vol", "0.6"]

CIRCLES = [
    [Place("lamp", t("The Great Lens", "Die große Linse"), light.lamp, (400, 225, 440),
           "light", (["pinknoise", "bandpass", "1800", "600h", "tremolo", "0.5", "50"], None),
           animated=True)],
    [Place("stair", t("Spiral Stair", "Wendeltreppe"), tower.stair, (470, 200, 240),
           "tower", (ROOM, "crackle")),
     Place("library", t("Star Library", "Sternbibliothek"), tower.library, (400, 200, 300),
           "tower", (["brownnoise", "lowpass", "300", "tremolo", "0.1", "30"], None)),
     Place("clock", t("Clock Room", "Uhrenstube"), tower.clock, (400, 170, 280),
           "tower", (ROOM, "ticks"))],
    [Place("gate", t("Lantern Gate", "Laternentor"), shore.gate, (400, 250, 250),
           "shore", (WIND, "crickets")),
     Place("orchard", t("Moon Orchard", "Mondobstgarten"), shore.orchard, (560, 150, 300),
           "shore", (["pinknoise", "lowpass", "900", "tremolo", "0.15", "40"], "crickets")),
     Place("well", t("Old Well", "Alter Brunnen"), shore.well, (400, 280, 240),
           "shore", (["brownnoise", "lowpass", "400", "tremolo", "0.2", "30"], "drips")),
     Place("cove", t("Shell Cove", "Muschelbucht"), shore.cove, (300, 300, 300),
           "shore", (["brownnoise", "lowpass", "1200", "tremolo", "0.1666667", "80"], None))],
]

VERSE = Verse(
    vid="lighthouse",
    title=t("The Keeper's Light", "Das Licht des Wärters"),
    descript=t("The lighthouse on the island has gone dark. Gather what the shore has kept, "
               "climb the keeper's tower and wake the great lens.",
               "Der Leuchtturm auf der Insel ist erloschen. Sammle, was die Küste bewahrt hat, "
               "steig in den Turm des Wärters und wecke die große Linse."),
    version="1.0", date="2025-06-21", authors="The Orlevanth demo makers",
    comments="Made entirely by tools/make-demo from the tools of a Debian system.",
    circles=CIRCLES, things=THINGS, portals=PORTALS,
    musics={"shore": dict(root=50, scale="dorian", degrees=[0, 5, 2, 6, 0, 3, 5, 4], bar=2.4, seed=1),
            "tower": dict(root=45, scale="minor", degrees=[0, 5, 2, 6, 0, 3, 4, 4], bar=3.0,
                          arp="sine", pattern=(0, 2, 1, 2), seed=2),
            "light": dict(root=48, scale="major", degrees=[0, 1, 2, 1, 0, 5, 3, 4], bar=3.2,
                          arp="triangle", pattern=(0, 1, 2, 1, 2, 1), octave=24, seed=3,
                          arp_gain=0.3, pad_gain=0.7)},
    picture_from="gate",
)
