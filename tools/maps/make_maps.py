#!/usr/bin/env python3
"""Writes the four scenario maps data/Mapa1.mlo ... data/Mapa4.mlo.

The maps are profile files in Windows-1250 with CRLF line ends. Everything a
map author tunes (cities, markets, money, fleet, goal texts) lives in the
structures below; run this script from anywhere and commit its output:

    python3 tools/maps/make_maps.py

It also writes tools/chartpainter/charts/MapaN.chart, the coastline, port and
decoration description that the chart painter turns into data/MapaN.jpg, and
it refuses to write anything when a city label leaves the chart inside its
frame or overlaps another one, or when a port lies off its coast. The painter
itself checks that sea names, compass, cartouche and ships stay inside the
frame and off the ports and labels.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import coasts  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DATA = os.path.join(ROOT, "data")
CHARTS = os.path.join(ROOT, "tools", "chartpainter", "charts")

AREA_W, AREA_H = 849, 471  # the port screen's game area: the chart is painted at this size
FRAME = 12  # the chart's frame takes this many pixels along every edge
LABEL_H = 16

# Goods names per map, for the checks and the readable tables below.
GOODS_A = ["Zlato", "Stříbro", "Cenosti", "Artefakty", "Uhlí", "Dřevo", "Hedvábí", "Jídlo",
           "Whisky", "Víno", "Čaj", "Střelný prach", "Zbraně", "Kamení"]
GOODS_3 = ["Stříbro", "Artefakty", "Cennosti", "Zbraně", "Dřevo", "Kaučuk", "Hedvábí",
           "Knihy", "Jídlo", "Rýže", "Cukr", "Čaj"]
GOODS_4 = ["Zlato", "Diamanty", "Cennosti", "Zbraně", "Doutníky", "Whisky", "Kokos", "Banány"]


DESC_SPLIT = 54  # the market description's first key holds at most this many characters
VALUE_MAX = 98   # the game reads at most this many characters of a value
BLANKS = " \t"  # what the game trims off both ends of a value


def split_description(desc):
    """The two keys PopisTrhu and PopisTrhu2 of a market description, split as the
    game itself splits it when it saves: at the last single space that leaves at
    most DESC_SPLIT characters before it. The space is not stored; the game puts
    it back when it joins the two keys, so no part starts or ends with a blank."""
    if len(desc) <= DESC_SPLIT:
        return desc, ""
    for k in range(DESC_SPLIT - 1, 0, -1):
        if desc[k] == " " and desc[k - 1] not in BLANKS and desc[k + 1] not in BLANKS:
            return desc[:k], desc[k + 1:]
    raise ValueError(f"no place to split the description {desc!r}")


def label_width(name):
    return 8 * len(name) + 8


class City:
    """A port. `port` is the harbour point on the chart (pixels); `side` says
    where the name label stands: r(ight), l(eft), a(bove) or b(elow)."""

    def __init__(self, name, size, desc, port, side, market, bank=False, casino=False,
                 access=0, research=0):
        self.name, self.size, self.desc = name, size, desc
        self.port, self.side, self.market = port, side, market
        self.bank, self.casino, self.access, self.research = bank, casino, access, research

    def label(self):
        px, py = self.port
        w = label_width(self.name)
        if self.side == "r":
            x, y = px + 6, py - 8
        elif self.side == "l":
            x, y = px - 6 - w, py - 8
        elif self.side == "a":
            x, y = px - w / 2, py - 6 - LABEL_H
        else:
            x, y = px - w / 2, py + 6
        return int(round(x)), int(round(y))


class Map:
    def __init__(self, mid, title, popis, goods, cities, cash, account, difficulty, fleet,
                 goal, base, shapes, compass, cartouche, subtitle, names=(), ships=(),
                 start=0):
        self.mid, self.title, self.popis, self.goods = mid, title, popis, goods
        self.cities, self.cash, self.account = cities, cash, account
        self.difficulty, self.fleet, self.goal = difficulty, fleet, goal
        self.base, self.shapes = base, shapes
        self.compass, self.cartouche, self.subtitle = compass, cartouche, subtitle
        self.names, self.ships = names, ships  # sea names and little ships on the chart
        self.start = start


def small_fleet(count):
    # a fleet of small merchant ships: 50 units each, speed 15
    return {"Pocet": count, "Poskozeni": 0, "Nosnost": 50, "Typ": 0, "Rychlost": 15}


def market(goods, **entries):
    """market(GOODS_A, Drevo=(130, 40), ...) -> {index: (price, production)}.
    Keys are goods names with diacritics dropped and spaces as underscores."""
    plain = {strip(name): i for i, name in enumerate(goods)}
    result = {}
    for key, value in entries.items():
        result[plain[key]] = value
    return result


def strip(text):
    table = str.maketrans("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ ", "acdeeinorstuuyzACDEEINORSTUUYZ_")
    return text.translate(table)


# ---------------------------------------------------------------------------
# Mapa1: Zlatá zátoka, the introductory map.
#
# Five ports around a sheltered bay. Vlnobrod sells timber, food and coal and
# wants wine, silk and gold; Kamenice's workshops make silk, arms, powder and
# tea; the island of Kotvice has wine and pearls; little Rybářov fishes.
# Zlatý Mys, the rich cape, is closed at first and pays best for luxuries.

A = GOODS_A
MAPA1 = Map(
    "Mapa1", "Zlatá zátoka",
    "Úvodní mapa: pět přístavů v klidné zátoce. Naučte se nakupovat levně a prodávat draze.",
    A,
    [
        City("Vlnobrod", 2,
             "Rodný přístav vaší společnosti. Levné dřevo, uhlí a jídlo z okolních vesnic, "
             "draze se tu platí víno, hedvábí a zlato.",
             (306, 120), "r", bank=True,
             market=market(A, Drevo=(130, 40), Jidlo=(120, 30), Uhli=(150, 30),
                           Kameni=(200, 0), Vino=(430, -30), Hedvabi=(520, -30),
                           Zbrane=(470, -20), Zlato=(690, -20),
                           Artefakty=(640, -20))),
        City("Zlatý Mys", 3,
             "Bohaté město kupců na konci mysu. Prodává zlato a starožitnosti, za hedvábí, "
             "čaj, cenosti a víno zaplatí víc než kdokoli jiný.",
             (712, 330), "r", bank=True, access=150000,
             market=market(A, Zlato=(340, 40), Artefakty=(380, 40), Hedvabi=(780, -60),
                           Vino=(640, -40), Caj=(710, -40), Cenosti=(830, -40),
                           Drevo=(390, -30), Jidlo=(360, -30))),
        City("Kotvice", 1,
             "Ostrovní městečko vinařů a lovců perel. Víno a perly levně, dřevo, uhlí a "
             "zbraně musí dovážet.",
             (440, 232), "r",
             market=market(A, Vino=(160, 30), Jidlo=(150, 10), Cenosti=(260, 20),
                           Drevo=(350, -30), Uhli=(380, -30), Zbrane=(520, -20),
                           Strelny_prach=(480, -10))),
        City("Rybářov", 0,
             "Malá rybářská osada. Ryby, kámen a domácí pálenka za pár zlatých, "
             "rybáři rádi koupí čaj, víno a střelný prach.",
             (114, 300), "r",
             market=market(A, Jidlo=(110, 20), Kameni=(140, 20), Whisky=(180, 10),
                           Caj=(460, -20), Vino=(400, -10), Strelny_prach=(520, -10))),
        City("Kamenice", 2,
             "Město řemeslníků. Tkalci hedvábí, zbrojíři a prachárny prodávají levně, "
             "chybí tu jídlo, dřevo, kámen a pálenka.",
             (520, 430), "r",
             market=market(A, Hedvabi=(210, 40), Zbrane=(190, 30), Strelny_prach=(170, 30),
                           Caj=(230, 30), Jidlo=(370, -30), Drevo=(330, -30),
                           Kameni=(340, -20), Whisky=(420, -20))),
    ],
    cash=90000, account=10000, difficulty=1, fleet=small_fleet(5),
    goal=["Vydělejte 1 000 000 zlatých v hotovosti.",
          "Město Zlatý Mys musí být otevřené: kupte si do něj přístup.",
          "Bankovní konto přitom nesmí být v záporu.",
          "Začínáte s pěti malými loďmi ve Vlnobrodu."],
    base=coasts.MAPA1_BASE, shapes=coasts.MAPA1_SHAPES,
    compass=(222, 384, 50), cartouche=(24, 18, 250, 78),
    subtitle="úvodní mapa",
    names=[(470, 360, 17, 0, "Vlnobrodská zátoka"), (806, 360, 13, -62, "Širé moře")],
    ships=[(330, 352, 46, "right")])

# ---------------------------------------------------------------------------
# Mapa2: Středomoří.
#
# Nine historical ports. The western five are open: wine, food and coal from
# Marseille and Neapol, arms and powder from Janov, silver from Barcelona,
# timber and glass from Benátky. Tunis (gold), Athény (antiquities, marble),
# Alexandrie (grain, antiquities; starved of timber) and Cařihrad (silk and
# tea of the east) are closed until access is bought.

MAPA2 = Map(
    "Mapa2", "Středomoří",
    "Devět slavných přístavů Středozemního moře. Otevřete cestu na východ a zbohatněte.",
    A,
    [
        City("Barcelona", 3,
             "Katalánský přístav. Víno, zbraně a stříbro z Nového světa prodává levně, "
             "hedvábí a čaj z východu kupuje draze.",
             coasts.MED(2.17, 41.38), "r", bank=True,
             market=market(A, Vino=(150, 30), Stribro=(320, 40), Zbrane=(240, 30),
                           Uhli=(200, 20), Hedvabi=(660, -40), Caj=(620, -40),
                           Jidlo=(300, -20), Artefakty=(520, -20))),
        City("Marseille", 2,
             "Provensálské víno, obilí a uhlí z hor. Chybí dřevo na lodě, šlechta sbírá "
             "starožitnosti, cenosti a hedvábí.",
             coasts.MED(5.37, 43.3), "l", bank=True,
             market=market(A, Vino=(130, 40), Jidlo=(140, 30), Uhli=(160, 30),
                           Drevo=(390, -30), Artefakty=(640, -30), Cenosti=(600, -20),
                           Hedvabi=(680, -30))),
        City("Janov", 3,
             "Bankéři a zbrojíři. Levné zbraně a střelný prach, draze se platí stříbro, "
             "hedvábí, čaj a jídlo pro město.",
             coasts.MED(8.93, 44.41), "a", bank=True,
             market=market(A, Zbrane=(210, 40), Strelny_prach=(190, 40), Cenosti=(450, 0),
                           Hedvabi=(720, -40), Stribro=(640, -40), Jidlo=(390, -40),
                           Uhli=(420, -20), Caj=(650, -20))),
        City("Benátky", 4,
             "Královna moří. Sklo a cenosti z Murana, dubové dřevo z Dalmácie. Hedvábí, "
             "čaj a zlato vykoupí za nejvyšší ceny.",
             coasts.MED(12.33, 45.44), "r", bank=True,
             market=market(A, Cenosti=(280, 50), Drevo=(150, 40), Strelny_prach=(260, 20),
                           Hedvabi=(760, -50), Caj=(730, -50), Zlato=(800, -40),
                           Jidlo=(420, -40), Kameni=(350, -20))),
        City("Neapol", 3,
             "Úrodná Kampánie pod Vesuvem: levné jídlo, víno a sopečný kámen. Do "
             "pevností se nakupují zbraně, uhlí a prach.",
             coasts.MED(14.27, 40.85), "r",
             market=market(A, Jidlo=(120, 40), Vino=(150, 40), Kameni=(160, 30),
                           Zbrane=(540, -40), Uhli=(470, -40), Strelny_prach=(500, -20))),
        City("Tunis", 2,
             "Brána Sahary. Zlato karavan, korály a starožitnosti Kartága. Bej platí "
             "dobře za zbraně, prach, dřevo a stříbro.",
             coasts.MED(10.18, 36.8), "b", access=80000,
             market=market(A, Zlato=(360, 40), Cenosti=(300, 30), Artefakty=(280, 20),
                           Zbrane=(640, -40), Strelny_prach=(690, -40), Drevo=(530, -30),
                           Stribro=(600, -30))),
        City("Athény", 1,
             "Malé město pod Akropolí. Antické starožitnosti, mramor a víno levně, "
             "dováží se jídlo, uhlí a zbraně.",
             coasts.MED(23.65, 37.94), "r", access=150000,
             market=market(A, Artefakty=(200, 40), Kameni=(110, 30), Vino=(140, 20),
                           Jidlo=(430, -30), Uhli=(480, -20), Zbrane=(560, -20))),
        City("Cařihrad", 4,
             "Město na Bosporu, konec Hedvábné stezky. Hedvábí a čaj z východu, sultán "
             "kupuje zbraně, zlato, stříbro a dřevo.",
             coasts.MED(28.98, 41.01), "r", bank=True, access=400000,
             market=market(A, Hedvabi=(250, 50), Caj=(270, 50), Cenosti=(380, 20),
                           Zbrane=(720, -40), Zlato=(760, -40), Stribro=(730, -40),
                           Drevo=(520, -40), Strelny_prach=(650, -20))),
        City("Alexandrie", 3,
             "Obilnice Středomoří u ústí Nilu. Levné obilí a egyptské starožitnosti, "
             "dřevo a uhlí tu nejsou k mání.",
             coasts.MED(29.92, 31.2), "r", bank=True, access=250000,
             market=market(A, Jidlo=(110, 50), Artefakty=(240, 40), Caj=(320, 20),
                           Hedvabi=(360, 20), Drevo=(640, -50), Uhli=(580, -40),
                           Zbrane=(610, -40), Vino=(560, -20))),
    ],
    cash=60000, account=20000, difficulty=2, fleet=small_fleet(7),
    goal=["Mějte na bankovním kontě alespoň 5 000 000 zlatých",
          "a otevřený přístup do všech devíti přístavů.",
          "Tunis, Athény, Cařihrad a Alexandrie jsou zavřené;",
          "přístup do nich koupíte v informacích o městě."],
    base=coasts.MAPA2_BASE, shapes=coasts.MAPA2_SHAPES,
    compass=(482, 318, 46), cartouche=(52, 336, 250, 84),
    subtitle="mare nostrum",
    names=[(620, 300, 17, 0, "Středozemní moře"), (360, 200, 13, 0, "Tyrhénské moře"),
           (470, 95, 12, 40, "Jaderské moře"), (632, 168, 12, 0, "Egejské"),
           (784, 56, 14, 0, "Černé moře"), (170, 205, 12, 0, "Baleárské moře")],
    ships=[(250, 250, 44, "right"), (600, 352, 40, "left")])

# ---------------------------------------------------------------------------
# Mapa3: Indonésie.
#
# The spice islands. Batávie prints the books the goal asks for and sells
# arms, silver and silk; Java grows rice, sugar and tea; Borneo and Sumatra
# give timber, rubber and diamonds; the far east (Ambon, Ternate) pays
# fortunes for silver, silk and books but is closed at first.

I3 = GOODS_3
MAPA3 = Map(
    "Mapa3", "Indonésie",
    "Ostrovy koření na rovníku. Vybudujte loďstvo sedmnácti galeon a obchodní říši.",
    I3,
    [
        City("Batávie", 4,
             "Sídlo Východoindické společnosti. Tiskárna knih, zbrojnice, stříbro a "
             "čínské hedvábí; dováží rýži, dřevo a kaučuk.",
             coasts.INDO(106.8, -6.1), "l", bank=True,
             market=market(I3, Knihy=(170, 40), Zbrane=(230, 40), Stribro=(290, 30),
                           Hedvabi=(300, 30), Cukr=(260, 0), Ryze=(420, -40),
                           Drevo=(400, -40), Kaucuk=(560, -40), Artefakty=(620, -30))),
        City("Palembang", 2,
             "Sumaterský přístav na řece Musi. Kaučuk, dřevo a čaj z pralesa, kupuje "
             "zbraně, knihy, cukr a hedvábí.",
             coasts.INDO(104.9, -2.5), "r",
             market=market(I3, Kaucuk=(120, 40), Drevo=(130, 40), Caj=(200, 20),
                           Zbrane=(520, -30), Knihy=(470, -20), Cukr=(420, -30),
                           Hedvabi=(580, -20))),
        City("Pontianak", 1,
             "Městečko na rovníku v Borneu. Kaučuk, dřevo a diamanty z Landaku, nedostatek "
             "jídla, rýže a zbraní.",
             coasts.INDO(109.34, -0.02), "r",
             market=market(I3, Kaucuk=(110, 30), Cennosti=(270, 30), Drevo=(120, 20),
                           Jidlo=(410, -30), Zbrane=(580, -30), Ryze=(430, -20))),
        City("Semarang", 2,
             "Rýžová pole a cukrová třtina střední Jávy. Levná rýže, cukr, čaj a jídlo, "
             "dováží stříbro, kaučuk a hedvábí.",
             coasts.INDO(110.42, -6.95), "a", bank=True,
             market=market(I3, Ryze=(110, 50), Cukr=(130, 40), Caj=(210, 30),
                           Jidlo=(150, 20), Stribro=(590, -30), Kaucuk=(430, -20),
                           Hedvabi=(600, -20))),
        City("Surabaja", 3,
             "Největší přístav východní Jávy. Teakové dřevo a jídlo, bohatí obchodníci "
             "kupují hedvábí, cennosti a knihy.",
             coasts.INDO(112.75, -7.22), "r", bank=True,
             market=market(I3, Drevo=(150, 40), Jidlo=(120, 40), Ryze=(160, 20),
                           Hedvabi=(620, -40), Cennosti=(660, -40), Knihy=(520, -30),
                           Stribro=(610, -20))),
        City("Banjarmasin", 1,
             "Říční město jižního Bornea, plné diamantů a dřeva. Rýži, cukr, knihy a "
             "zbraně musí dovážet po moři.",
             coasts.INDO(114.55, -3.42), "r", access=100000,
             market=market(I3, Cennosti=(230, 40), Drevo=(100, 40), Kaucuk=(140, 20),
                           Ryze=(470, -30), Cukr=(450, -30), Knihy=(560, -20),
                           Zbrane=(600, -20))),
        City("Makassar", 2,
             "Křižovatka cest na Celebesu. Starožitnosti a jídlo levně, kupuje zbraně, "
             "hedvábí, čaj a stříbro.",
             coasts.INDO(119.43, -5.14), "r", bank=True,
             market=market(I3, Artefakty=(210, 30), Jidlo=(140, 30), Cukr=(200, 0),
                           Zbrane=(610, -30), Hedvabi=(640, -30), Caj=(520, -30),
                           Stribro=(650, -20))),
        City("Ambon", 1,
             "Ostrov hřebíčku a muškátu. Vzácné starožitnosti a čaj, hladoví osadníci "
             "platí za stříbro, rýži, zbraně a knihy.",
             coasts.INDO(128.18, -3.72), "r", access=150000,
             market=market(I3, Artefakty=(190, 30), Caj=(180, 30), Stribro=(700, -40),
                           Ryze=(510, -40), Zbrane=(650, -30), Knihy=(610, -20),
                           Jidlo=(480, -20))),
        City("Ternate", 0,
             "Sultánův ostrov pod sopkou na konci světa. Za stříbro, hedvábí, knihy a "
             "zbraně dá sultán celé jmění.",
             coasts.INDO(127.38, 0.92), "a", access=200000,
             market=market(I3, Artefakty=(160, 20), Cennosti=(300, 10), Stribro=(760, -30),
                           Hedvabi=(780, -30), Knihy=(720, -20), Zbrane=(700, -20),
                           Cukr=(600, -10))),
    ],
    cash=20000, account=10000, difficulty=3, fleet=small_fleet(1),
    goal=["Mějte nejméně 17 lodí typu Galeona",
          "a na jejich palubě nejméně 3000 jednotek Knih,",
          "na bankovním kontě alespoň 2 000 000 zlatých",
          "a v hotovosti alespoň 10 000 000 zlatých."],
    base=coasts.MAPA3_BASE, shapes=coasts.MAPA3_SHAPES,
    compass=(336, 404, 42), cartouche=(26, 362, 240, 84),
    subtitle="ostrovy koření",
    names=[(280, 240, 15, 0, "Jávské moře"), (690, 290, 15, 0, "Bandské moře"),
           (520, 440, 18, 0, "Indický oceán"), (560, 50, 13, 0, "Celebeské moře"),
           (150, 40, 12, 0, "Jihočínské moře"), (470, 110, 11, 62, "Makassarský průliv")],
    ships=[(600, 370, 44, "left"), (205, 222, 36, "right")])

# ---------------------------------------------------------------------------
# Mapa4: Karibik, the spendthrift's map.
#
# The company inherits ten million and must be rid of them. Every way to lose
# money is open: five closed ports with steep access prices (6 000 000 in
# all), two fleet upgrades (750 000), buying dear and selling cheap, a high
# difficulty that makes every day at sea expensive, and pirates that smell
# the gold.

I4 = GOODS_4
MAPA4 = Map(
    "Mapa4", "Karibik",
    "Zdědili jste 10 milionů zlatých. Utraťte je do posledního v přístavech Karibiku!",
    I4,
    [
        City("Havana", 4,
             "Perla Antil. Nejlepší doutníky světa za pár zlatých, draze se platí zbraně, "
             "diamanty a whisky.",
             coasts.CARIB(-82.38, 23.13), "a", bank=True,
             market=market(I4, Doutniky=(140, 40), Cennosti=(500, 0), Zlato=(600, 0),
                           Zbrane=(780, -40), Diamanty=(900, -30), Whisky=(650, -30),
                           Kokos=(380, -20), Banany=(400, -20))),
        City("Veracruz", 3,
             "Brána Nového Španělska. Zlato a stříbrné šperky z dolů, banány; kupuje "
             "whisky, zbraně a doutníky.",
             coasts.CARIB(-96.13, 19.2), "r", bank=True,
             market=market(I4, Zlato=(260, 40), Cennosti=(320, 30), Banany=(150, 20),
                           Whisky=(700, -40), Zbrane=(720, -30), Doutniky=(560, -20))),
        City("Portobelo", 2,
             "Sem přichází peruánské zlato pro stříbrnou flotilu. Levné zlato, kokos a "
             "banány, drahé zbraně a whisky.",
             coasts.CARIB(-79.65, 9.55), "a",
             market=market(I4, Zlato=(220, 40), Kokos=(130, 30), Banany=(120, 30),
                           Zbrane=(760, -40), Whisky=(680, -30), Doutniky=(590, -30))),
        City("Cartagena", 3,
             "Opevněné město smaragdů a diamantů. Drahý vstup, ale kameny levně; kupuje "
             "whisky, doutníky a zbraně.",
             coasts.CARIB(-75.51, 10.39), "r", bank=True, access=1500000,
             market=market(I4, Diamanty=(240, 40), Cennosti=(260, 40), Zlato=(380, 20),
                           Whisky=(740, -40), Doutniky=(620, -30), Zbrane=(700, -30))),
        City("Port Royal", 2,
             "Nejhříšnější město světa. Levná whisky a kokos, za zlato, cennosti a "
             "diamanty se tu platí horentní sumy.",
             coasts.CARIB(-76.84, 17.94), "b", bank=True,
             market=market(I4, Whisky=(130, 40), Kokos=(160, 20), Zlato=(820, -40),
                           Cennosti=(880, -40), Diamanty=(900, -40), Zbrane=(610, -20),
                           Banany=(360, -20))),
        City("Tortuga", 0,
             "Pirátské hnízdo. Zbraně z kořisti levně, za whisky, zlato, diamanty a "
             "doutníky dají bukanýři cokoli.",
             coasts.CARIB(-72.78, 20.12), "a", access=500000,
             market=market(I4, Zbrane=(160, 30), Whisky=(890, -30), Zlato=(890, -30),
                           Diamanty=(900, -30), Doutniky=(800, -20), Banany=(450, -20))),
        City("Santo Domingo", 2,
             "Nejstarší město Ameriky. Banány, kokos a doutníky z plantáží, dováží "
             "zbraně, whisky a cennosti.",
             coasts.CARIB(-69.9, 18.47), "b", bank=True, access=800000,
             market=market(I4, Banany=(110, 40), Kokos=(120, 40), Doutniky=(260, 20),
                           Zbrane=(650, -30), Whisky=(600, -30), Cennosti=(640, -20))),
        City("San Juan", 1,
             "Pevnost El Morro hlídá vjezd do zálivu. Kokos a banány za hubičku, "
             "posádka kouří a pije za drahé peníze.",
             coasts.CARIB(-66.1, 18.47), "a", access=1200000,
             market=market(I4, Kokos=(100, 30), Banany=(100, 30), Doutniky=(760, -30),
                           Zbrane=(690, -20), Whisky=(660, -20))),
        City("Nassau", 1,
             "Bahamské útočiště bohatých. Kromě kokosu se tu nic nevyrábí, vše ostatní "
             "stojí majlant.",
             coasts.CARIB(-77.35, 25.08), "r", access=2000000,
             market=market(I4, Kokos=(110, 30), Cennosti=(880, -30), Diamanty=(900, -30),
                           Zlato=(880, -20), Whisky=(720, -20))),
    ],
    cash=8000000, account=2000000, difficulty=3, fleet=small_fleet(3),
    goal=["Vaše společnost zdědila 10 000 000 zlatých. Zbavte se jich!",
          "Hotovost i bankovní konto musí klesnout na nulu nebo pod ni",
          "a smíte si ponechat nejvýš jednu loď.",
          "Utrácejte s chutí, kapitáne!"],
    base=coasts.MAPA4_BASE, shapes=coasts.MAPA4_SHAPES,
    compass=(540, 334, 48), cartouche=(96, 26, 240, 84),
    subtitle="moře pirátů",
    names=[(690, 330, 18, 0, "Karibské moře"), (165, 128, 15, 0, "Mexický záliv"),
           (760, 110, 15, 0, "Atlantský oceán"), (420, 190, 11, 0, "Kubánské moře")],
    ships=[(400, 292, 44, "right"), (770, 300, 38, "left")])


def spread(m, middle, share):
    """Moves every price of map `m` towards `middle` (share < 1) or away from it (share > 1),
    keeping `share` of its distance, within 30…960: the margins between ports shrink or
    widen, so the map's trade grows the company more slowly or faster."""
    for c in m.cities:
        c.market = {g: (min(960, max(30, int(round(middle + (price - middle) * share, -1)))),
                        prod)
                    for g, (price, prod) in c.market.items()}


# The maps in order of difficulty: the tables above keep the story of each port, these set
# how far apart its prices lie. The introduction pays widest, Indonesia narrowest, so its
# long goal takes the longest.
spread(MAPA1, 400, 1.2)
spread(MAPA2, 400, 1.1)
spread(MAPA3, 400, 0.5)

MAPS = [MAPA1, MAPA2, MAPA3, MAPA4]

# ---------------------------------------------------------------------------


def seg_dist(p, a, b):
    (px, py), (ax, ay), (bx, by) = p, a, b
    dx, dy = bx - ax, by - ay
    t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) /
                                          (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def coast_distance(p, shapes):
    best = 1e9
    for _, poly in shapes:
        for i in range(len(poly)):
            best = min(best, seg_dist(p, poly[i], poly[(i + 1) % len(poly)]))
    return best


def check(m):
    problems = []
    rects = []
    for c in m.cities:
        x, y = c.label()
        w = label_width(c.name)
        if x < FRAME or y < FRAME or x + w > AREA_W - FRAME or y + LABEL_H > AREA_H - FRAME:
            problems.append(f"{c.name}: label ({x},{y},{w}) leaves the chart inside its frame")
        for other, (ox, oy, ow) in rects:
            if x < ox + ow + 2 and ox < x + w + 2 and y < oy + LABEL_H + 2 and oy < y + LABEL_H + 2:
                problems.append(f"{c.name}: label overlaps {other}")
        rects.append((c.name, (x, y, w)))
        d = coast_distance(c.port, m.shapes)
        if d > 3:
            problems.append(f"{c.name}: port {c.port} lies {d:.1f} px off the coast")
        desc = c.desc
        first, rest = split_description(desc)
        if len(rest) > VALUE_MAX:
            problems.append(f"{c.name}: market description has {len(desc)} characters")
        if desc != desc.strip(BLANKS) or "  " in desc:
            problems.append(f"{c.name}: market description has a stray blank")
        for g, (price, prod) in c.market.items():
            if not (0 <= g < len(m.goods)) or not m.goods[g]:
                problems.append(f"{c.name}: goods {g} has no name on {m.mid}")
            if not (5 <= price <= 999):
                problems.append(f"{c.name}: price {price} out of 5..999")
    for text in [m.title, m.popis] + m.goal:
        if len(text) > 98:
            problems.append(f"value longer than 98 characters: {text}")
    if m.cities[m.start].access:
        problems.append("the starting city is closed")
    return problems


def ini_lines(m):
    out = ["[Mapa]",
           f"Mapa={m.mid}",
           f"Nazev={m.title}",
           f"Popis={m.popis}",
           f"PocetMest={len(m.cities)}",
           "Name=XXX",
           "Company=XXX",
           "Hotovo=0",
           f"AktualniMesto={m.start}",
           f"Obtiznost={m.difficulty}",
           "Den=0",
           f"Hotovost={m.cash}",
           f"Konto={m.account}",
           f"Ukol={m.goal[0]}",
           f"Ukol2={m.goal[1]}",
           f"Ukol3={m.goal[2]}",
           f"Ukol4={m.goal[3]}",
           ""]
    for i, c in enumerate(m.cities):
        x, y = c.label()
        out += [f"[Mesto{i:02d}]",
                f"Nazev={c.name}",
                f"Velikost={c.size}",
                f"PopisTrhu={split_description(c.desc)[0]}",
                f"PopisTrhu2={split_description(c.desc)[1]}",
                f"PruzkumTrhu={c.research}",
                f"Banka={int(c.bank)}",
                f"Casino={int(c.casino)}",
                f"Pristup={c.access}",
                f"X={x}",
                f"Y={y}"]
        for g in range(15):
            price, prod = c.market.get(g, (0, 0))
            out += [f"Trh{g:02d}Cena={price}", f"Trh{g:02d}MinCena={price}",
                    f"Trh{g:02d}Produkce={prod}"]
        out.append("")
    out.append("[Lode]")
    for key in ("Pocet", "Poskozeni", "Nosnost", "Typ", "Rychlost"):
        out.append(f"{key}={m.fleet[key]}")
    out += [f"Naklad{g:02d}=0" for g in range(14)]
    out.append("")
    for place in range(5):
        out += [f"[Top{place}]", "Name=------", "Company=------", "Days=9999999", "Value=0", ""]
    return out


def chart_lines(m):
    out = [f"# {m.mid}: written by tools/maps/make_maps.py, do not edit by hand",
           f"title {m.title}",
           f"subtitle {m.subtitle}",
           f"base {m.base}",
           "compass %d %d %d" % m.compass,
           "cartouche %d %d %d %d" % m.cartouche]
    for c in m.cities:
        out.append("port %.1f %.1f" % c.port)
    for x, y, size, angle, text in m.names:
        out.append(f"text {x} {y} {size} {angle} {text}")
    for x, y, width, facing in m.ships:
        out.append(f"ship {x} {y} {width} {facing}")
    for kind, poly in m.shapes:
        out.append(f"shape {kind}")
        out += ["%.1f %.1f" % p for p in poly]
        out.append("end")
    return out


def summary(m):
    print(f"{m.mid} {m.title}: {len(m.cities)} cities, cash {m.cash}, account {m.account}")
    for i, c in enumerate(m.cities):
        x, y = c.label()
        steps = []
        for g, (price, prod) in sorted(c.market.items()):
            step = round(prod / 10 / (c.size + 1))  # Python rounds halves to even too
            steps.append(f"{m.goods[g]} {price}{-step:+d}/d")
        print(f"  {i} {c.name:14s} size {c.size} label ({x},{y}) access {c.access}")
        print("      " + ", ".join(steps))


def main():
    failed = False
    for m in MAPS:
        problems = check(m)
        for p in problems:
            print(f"{m.mid}: {p}", file=sys.stderr)
        failed = failed or bool(problems)
    if failed:
        sys.exit(1)
    os.makedirs(DATA, exist_ok=True)
    os.makedirs(CHARTS, exist_ok=True)
    for m in MAPS:
        with open(os.path.join(DATA, m.mid + ".mlo"), "wb") as f:
            f.write("\r\n".join(ini_lines(m)).encode("cp1250"))
        with open(os.path.join(CHARTS, m.mid + ".chart"), "w", encoding="utf-8") as f:
            f.write("\n".join(chart_lines(m)) + "\n")
        summary(m)


if __name__ == "__main__":
    main()
