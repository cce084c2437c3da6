// The text of the guide window.
#include "frmHelp.h"

namespace vlnobrod {

QString frmHelp::Handbook() {
    return QStringLiteral(R"(
<h2><a name="obsah"></a>Vlnobrod – stručná příručka</h2>
<p>Jste majitelem malé lodní společnosti. Vaše flotila stejných obchodních lodí pluje mezi
přístavy jedné mapy, kupuje zboží tam, kde je levné, a prodává ho tam, kde je drahé. Každá
mapa má svůj úkol; kdo ho splní nejrychleji, zapíše se do tabulky nejlepších hráčů.</p>
<ol>
<li><a href="#zacatek">Nová hra</a></li>
<li><a href="#obchod">Obchodování</a></li>
<li><a href="#plavba">Plavba</a></li>
<li><a href="#pirati">Souboj s piráty</a></li>
<li><a href="#lodenice">Loděnice, banka a služby měst</a></li>
<li><a href="#vitezstvi">Jak vyhrát</a></li>
<li><a href="#ukladani">Ukládání a načítání</a></li>
</ol>

<h3><a name="zacatek"></a>1. Nová hra</h3>
<p>V hlavním menu zvolte <b>Nová hra</b> a v albu klepněte na obrázek mapy. Ve startovním
formuláři napište název své společnosti a jméno majitele. Pište pečlivě: později je změnit
nelze a pod nimi budete zapsáni do tabulky. Tlačítkem <b>Začít hru</b> (nebo klávesou Enter)
se ocitnete v domovském přístavu a hra vám připomene úkol mapy.</p>

<h3><a name="obchod"></a>2. Obchodování</h3>
<p>Trh města otevře záložka <b>Obchod</b>. V seznamu vidíte ceny všech druhů zboží, se kterým
město obchoduje; značka vedle ceny ukazuje, zda od včerejška stoupla, nebo klesla. Klepnutím
na zboží zvolíte, co koupit, posuvníkem nastavíte množství a nákup potvrdíte. Náklad se vejde
jen do kapacity flotily: počet lodí krát nosnost jedné lodi.</p>
<p>Prodej funguje stejně z druhé strany: klepněte na zboží v nákladu, zvolte množství a
prodejte, nebo prodejte vše najednou. Každý obchod hýbe cenou – velký nákup zdražuje, velký
prodej zlevňuje. Ceny se mění i každý den podle toho, co město samo vyrábí a spotřebovává.
Vyplatí se proto kupovat zboží, které město vyrábí, a vozit ho tam, kde ho chybí.</p>
<p>Popis trhu v informacích o městě napoví, co se kde vyrábí. Přesné ceny cizích měst
ukáže až <b>průzkum trhu</b>, který si lze koupit.</p>

<h3><a name="plavba"></a>3. Plavba</h3>
<p>Na námořní mapě klepněte levým tlačítkem na město a uvidíte jeho velikost, služby a trh.
Pravým tlačítkem vyplujete. Délka plavby závisí na vzdálenosti a rychlosti lodí; za každý
den na moři platíte posádce. Některá města jsou uzavřená – než do nich poplujete, musíte si
koupit přístup.</p>
<p>Moře není klidné: loď může najet na mělčinu, ztratit kotvu, uvíznout v bezvětří, přijít
o námořníka, narazit na útes nebo se dostat do bouře. Zprávy o všem, co se stalo, běží v řádku novinek. Po připlutí se otevře trh
nového města a můžete prodávat.</p>

<h3><a name="pirati"></a>4. Souboj s piráty</h3>
<p>Zaútočí-li piráti, otevře se okno souboje. Vaše loď stojí vlevo, pirátská vpravo. Nastavte
<b>úhel</b> hlavně a <b>množství střelného prachu</b> a palte. Koule letí obloukem a vítr ji
unáší – jeho směr a sílu ukazuje řádek nahoře. Sledujte, kam dopadla, a mušku upravte.
Každý zásah zvyšuje poškození zasažené lodi; kdo je potopen, prohrál. Vítězství přinese kořist,
porážka nebo kapitulace stojí náklad a peníze.</p>
<p>Souboj si můžete nanečisto vyzkoušet i z hlavního menu v nabídce <b>Externí hry</b>, proti
počítači nebo ve dvou.</p>

<h3><a name="lodenice"></a>5. Loděnice, banka a služby měst</h3>
<p>V <b>loděnici</b> kupujete a prodáváte lodě, opravujete poškození a vyměňujete flotilu za
větší typ: z malé obchodní lodi na velkou a z velké na galeonu. Větší lodě unesou víc
nákladu.</p>
<p>Na záložce <b>Banka</b> můžete v každém přístavu peníze uložit na konto nebo si je vybrat. Úspory každý den
nesou malý úrok, dluh naopak stojí peníze. Ani banka však není bez rizika:
i banky občas krachují.</p>

<h3><a name="vitezstvi"></a>6. Jak vyhrát</h3>
<p>Úkol mapy se ukáže na začátku hry: obvykle vydělat určitou částku, otevřít některé město
nebo vybudovat flotilu. Jakmile je splněn, hra vám pogratuluje a otevře tabulku nejlepších
hráčů. Hlavním kritériem je <b>počet dnů</b>, za který mapu splníte – čím méně, tím lépe.
Hodnota společnosti (peníze, konto, lodě a náklad) se zapisuje vedle.</p>
<p>Tabulku i hodnotu společnosti kdykoli během hry ukáže volba <b>Statistika &amp; Nejlepší
hráči</b>.</p>

<h3><a name="ukladani"></a>7. Ukládání a načítání</h3>
<p>Hra se ukládá volbou <b>Uložit</b>: napište název a potvrďte. Prázdný název uloží hru jako
QuickSave. Uložené hry najdete v hlavním menu pod <b>Načíst hru</b>; <b>Načíst poslední</b>
otevře tu naposledy uloženou. Zavřete-li okno hry s neuloženými změnami, hra nabídne uložení
pod názvem Poslední hra.</p>
<p><a href="#obsah">Zpět na obsah</a></p>
)");
}

} // namespace vlnobrod
