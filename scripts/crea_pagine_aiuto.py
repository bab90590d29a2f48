#!/usr/bin/env python3
"""Writes the help pages (readme, readmeTEAM, readmeSPONS) in every language of the table.

The pictures in data/aiuto come from scripts/screenshots.sh. Run again after editing a text.
"""
import pathlib

DATI = pathlib.Path(__file__).resolve().parent.parent / "data"

STILE = """body{font-family:Tahoma,Verdana,sans-serif;max-width:60em;margin:2em auto;padding:0 1em;
line-height:1.5;color:#1b1b1b}h1{color:#10204a}h2{color:#1d3c78;margin-top:1.6em}
img{max-width:100%;border:1px solid #aab;margin:.5em 0}kbd{background:#eee;border:1px solid #bbb;
border-radius:3px;padding:0 .3em}"""

# Each page: title, then (heading, paragraphs, picture or None) sections.
TESTI = {
    "ITA": {
        "readme": ("Brivanta: come condurre una partita", [
            ("Due finestre", ["La <b>console</b> resta sul computer dell'operatore; il <b>tabellone</b> va sul secondo schermo o sul televisore. Trascina il tabellone sul secondo schermo e premi <b>Full screen</b>: al prossimo avvio si riaprirà lì, a tutto schermo."], "console.jpg"),
            ("Prima del fischio d'inizio", ["Scegli le due squadre con un doppio clic negli elenchi in alto. Nel menu <b>Opzioni</b> trovi le regole (set, punti, tie-break), la lingua e i colori del tabellone.", "<b>Presentazione atleti</b> mostra sul tabellone foto, numero e nome di ogni convocato, con l'annuncio audio se c'è."], None),
            ("Durante la partita", ["Ogni punto si assegna con <b>+ 1</b> della squadra che lo vince. Per attribuirlo a un atleta fai doppio clic sul suo nome nell'elenco, oppure scrivi il numero di maglia nella casella sopra l'elenco prima di premere <b>+ 1</b>. Sotto i pulsanti scegli il tipo di punto: ace, muro, schiacciata, pallonetto.", "Un errore si corregge con <b>Undo</b> (l'ultimo punto) o con un doppio clic su una riga dello <b>Storico punteggi</b>, che riporta la partita a quel momento.", "Un doppio clic sull'icona del cronometro chiama un time-out: sul tabellone parte il conto alla rovescia di 30 secondi."], "marcatore.jpg"),
            ("Il tabellone", ["<b>Zoom +</b> e <b>Zoom -</b> ingrandiscono o riducono i punteggi; <b>Zoom All +</b> riempie lo schermo con i soli punteggi. <b>&lt; Gira tabellone &gt;</b> mette gli ospiti a sinistra, se la panchina di casa è dall'altra parte; sulla console i locali restano sempre a sinistra."], "display.jpg"),
            ("Salvare e riprendere", ["<b>Salva Partita</b> scrive un file di testo nella cartella dei dati; <b>Carica Partita</b> lo riapre. Brivanta tiene anche una copia di emergenza dopo ogni punto: se il computer si spegne, al riavvio la partita si recupera dal menu <b>?</b>."], None),
        ]),
        "readmeTEAM": ("Brivanta: preparare le squadre", [
            ("L'editor delle squadre", ["Apri <b>File &gt; Gestione delle squadre</b>. A destra l'elenco delle squadre: un clic apre la rosa. <b>+ Nuova squadra</b> crea una cartella (da 3 a 35 caratteri, senza i caratteri vietati nei nomi di cartella); <b>Rinomina</b> ed <b>Elimina</b> agiscono sulla squadra scelta. Le squadre Home e Guests non si possono eliminare né rinominare."], "squadre.jpg"),
            ("La rosa", ["Fino a 27 righe: numero di maglia (due caratteri; A1, A2 per gli allenatori, D1 per i dirigenti), cognome, nome, ruolo e la spunta <b>C</b> per i convocati. <b>Ordina numero</b> mette in ordine i giocatori; <b>Salva</b> scrive la rosa. <b>Finito</b> salva se hai cambiato qualcosa e chiude; <b>Esci senza salvare</b> chiude lasciando il file com'era."], None),
            ("Foto, logo e annunci", ["Un clic sulla foto dell'atleta, sulla foto della squadra o sul logo sceglie una nuova immagine: Brivanta la converte in JPEG e la salva nella cartella della squadra. La foto dell'atleta richiede un atleta con nome e numero. L'icona della cartella nel riquadro audio sceglie l'annuncio (MP3 o WAV) che la presentazione suonerà per quel numero. Le croci rosse cancellano, la lente apre il file."], None),
        ]),
        "readmeSPONS": ("Brivanta: le immagini degli sponsor", [
            ("La gestione degli sponsor", ["Apri <b>File &gt; Gestione immagini degli sponsor</b>. In alto a sinistra il logo della testata, sempre visibile sul tabellone: un clic lo cambia, la croce rossa lo cancella.", "In basso la galleria mostra le immagini della banda cinque alla volta: le frecce e la barra scorrono, la croce sotto un'immagine la cancella. <b>Aggiungi immagine sponsor</b> copia un'immagine nella cartella Sponsors, convertita in JPEG; un file che non è un'immagine viene rifiutato."], "sponsor.jpg"),
            ("La banda sul tabellone", ["Le immagini con formato vicino al 16/9 rendono meglio. Con più di cinque immagini la banda ne cambia una ogni 4 secondi. Togli la spunta <b>Visualizza barra sponsor</b> e premi <b>Finito</b> per un tabellone senza banda, con punteggi più grandi."], None),
        ]),
    },
    "ENG": {
        "readme": ("Brivanta: running a match", [
            ("Two windows", ["The <b>console</b> stays on the operator's computer; the <b>scoreboard</b> goes on the second screen or the television. Drag the scoreboard to the second screen and press <b>Full screen</b>: at the next start it opens there again, full screen."], "console.jpg"),
            ("Before the first whistle", ["Choose the two teams with a double click in the lists at the top. The <b>Options</b> menu holds the rules (sets, points, tie-break), the language and the scoreboard's colours.", "<b>Presentation</b> shows each called-up athlete's photo, number and name on the scoreboard, with the announcement when there is one."], None),
            ("During the match", ["Give each point with the winning side's <b>+ 1</b>. To credit an athlete, double-click the name in the roster, or type the shirt number in the box above the roster before pressing <b>+ 1</b>. Below the buttons choose the kind of point: ace, block, spike, tip.", "Mend a mistake with <b>Undo</b> (the last point) or with a double click on a line of the <b>score history</b>, which takes the match back to that moment.", "A double click on the stopwatch icon calls a time-out: the scoreboard counts down 30 seconds."], "marcatore.jpg"),
            ("The scoreboard", ["<b>Zoom +</b> and <b>Zoom -</b> make the scores bigger or smaller; <b>Zoom All +</b> fills the screen with the scores alone. <b>&lt; Swap &gt;</b> puts the guests on the left when the home bench is on the other side; the console always keeps home on the left."], "display.jpg"),
            ("Saving and resuming", ["<b>Save match</b> writes a text file in the data folder; <b>Load match</b> opens it again. Brivanta also keeps an emergency copy after every point: if the computer goes off, recover the match from the <b>?</b> menu after restarting."], None),
        ]),
        "readmeTEAM": ("Brivanta: preparing the teams", [
            ("The team editor", ["Open <b>File &gt; Team management</b>. On the right is the list of teams: a click opens the roster. <b>+ New team</b> creates a folder (3 to 35 characters, none of the characters a folder name cannot hold); <b>Rename</b> and <b>Delete</b> act on the chosen team. Home and Guests can be neither deleted nor renamed."], "squadre.jpg"),
            ("The roster", ["Up to 27 rows: shirt number (two characters; A1, A2 for coaches, D1 for managers), surname, first name, role and the <b>C</b> tick for called-up athletes. <b>Sort by number</b> puts the players in order; <b>Save</b> writes the roster. <b>Finished</b> saves when something changed and closes; <b>Close without saving</b> leaves the file as it was."], None),
            ("Photos, logo and announcements", ["A click on the athlete's photo, the team photo or the logo chooses a new picture: Brivanta converts it to JPEG and stores it in the team's folder. An athlete photo needs an athlete with a name and a number. The folder icon in the audio box chooses the announcement (MP3 or WAV) the presentation plays for that number. Red crosses delete, the magnifier opens the file."], None),
        ]),
        "readmeSPONS": ("Brivanta: sponsor pictures", [
            ("The sponsor manager", ["Open <b>File &gt; Sponsor pictures</b>. Top left is the header logo, always on the scoreboard: a click changes it, the red cross deletes it.", "Below, the gallery shows the band's pictures five at a time: the arrows and the bar scroll, the cross under a picture deletes it. <b>Add sponsor picture</b> copies a picture into the Sponsors folder, converted to JPEG; a file that is not a picture is refused."], "sponsor.jpg"),
            ("The band on the scoreboard", ["Pictures shaped about 16/9 look best. With more than five pictures the band changes one every 4 seconds. Untick <b>Visualizza barra sponsor</b> and press <b>Finished</b> for a scoreboard without the band and with bigger scores."], None),
        ]),
    },
    "FRA": {
        "readme": ("Brivanta : conduire un match", [
            ("Deux fenêtres", ["La <b>console</b> reste sur l'ordinateur de l'opérateur ; le <b>tableau</b> va sur le second écran ou le téléviseur. Faites glisser le tableau sur le second écran et appuyez sur <b>Full screen</b> : au prochain démarrage il s'y rouvrira en plein écran."], "console.jpg"),
            ("Avant le coup de sifflet", ["Choisissez les deux équipes par un double clic dans les listes du haut. Le menu <b>Options</b> contient les règles (sets, points, tie-break), la langue et les couleurs du tableau.", "<b>Présentation</b> affiche la photo, le numéro et le nom de chaque convoqué, avec l'annonce audio s'il y en a une."], None),
            ("Pendant le match", ["Chaque point se donne avec le <b>+ 1</b> de l'équipe qui le gagne. Pour l'attribuer à un athlète, double-cliquez sur son nom, ou tapez le numéro de maillot dans la case au-dessus de la liste avant <b>+ 1</b>. Sous les boutons, choisissez le type de point : ace, contre, attaque, feinte.", "Une erreur se corrige avec <b>Undo</b> (le dernier point) ou par un double clic sur une ligne de l'<b>historique</b>, qui ramène le match à ce moment.", "Un double clic sur l'icône du chronomètre demande un temps mort : le tableau décompte 30 secondes."], "marcatore.jpg"),
            ("Le tableau", ["<b>Zoom +</b> et <b>Zoom -</b> agrandissent ou réduisent les scores ; <b>Zoom All +</b> remplit l'écran avec les seuls scores. <b>&lt; Inverser &gt;</b> met les visiteurs à gauche si le banc local est de l'autre côté ; la console garde toujours les locaux à gauche."], "display.jpg"),
            ("Enregistrer et reprendre", ["<b>Enregistrer le match</b> écrit un fichier texte dans le dossier des données ; <b>Charger le match</b> le rouvre. Brivanta garde aussi une copie de secours après chaque point : si l'ordinateur s'éteint, récupérez le match depuis le menu <b>?</b> au redémarrage."], None),
        ]),
        "readmeTEAM": ("Brivanta : préparer les équipes", [
            ("L'éditeur d'équipes", ["Ouvrez <b>Fichier &gt; Gestion des équipes</b>. À droite la liste des équipes : un clic ouvre l'effectif. <b>+ Nouvelle équipe</b> crée un dossier (de 3 à 35 caractères, sans les caractères interdits dans un nom de dossier) ; <b>Renommer</b> et <b>Supprimer</b> agissent sur l'équipe choisie. Home et Guests ne peuvent être ni supprimées ni renommées."], "squadre.jpg"),
            ("L'effectif", ["Jusqu'à 27 lignes : numéro de maillot (deux caractères ; A1, A2 pour les entraîneurs, D1 pour les dirigeants), nom, prénom, poste et la case <b>C</b> pour les convoqués. <b>Trier par numéro</b> range les joueurs ; <b>Enregistrer</b> écrit l'effectif. <b>Terminé</b> enregistre si quelque chose a changé et ferme ; <b>Fermer sans enregistrer</b> laisse le fichier tel quel."], None),
            ("Photos, logo et annonces", ["Un clic sur la photo de l'athlète, la photo de l'équipe ou le logo choisit une nouvelle image : Brivanta la convertit en JPEG et la range dans le dossier de l'équipe. La photo d'un athlète demande un nom et un numéro. L'icône dossier du cadre audio choisit l'annonce (MP3 ou WAV) jouée pour ce numéro. Les croix rouges suppriment, la loupe ouvre le fichier."], None),
        ]),
        "readmeSPONS": ("Brivanta : les images des sponsors", [
            ("La gestion des sponsors", ["Ouvrez <b>Fichier &gt; Images des sponsors</b>. En haut à gauche le logo d'en-tête, toujours visible sur le tableau : un clic le change, la croix rouge le supprime.", "En bas, la galerie montre les images de la bande cinq par cinq : les flèches et la barre font défiler, la croix sous une image la supprime. <b>Ajouter une image de sponsor</b> copie une image dans le dossier Sponsors, convertie en JPEG ; un fichier qui n'est pas une image est refusé."], "sponsor.jpg"),
            ("La bande sur le tableau", ["Les images au format proche du 16/9 rendent le mieux. Avec plus de cinq images, la bande en change une toutes les 4 secondes. Décochez <b>Visualizza barra sponsor</b> et appuyez sur <b>Terminé</b> pour un tableau sans bande, aux scores plus grands."], None),
        ]),
    },
    "DEU": {
        "readme": ("Brivanta: ein Spiel führen", [
            ("Zwei Fenster", ["Die <b>Konsole</b> bleibt am Computer des Bedieners; die <b>Anzeige</b> kommt auf den zweiten Bildschirm oder den Fernseher. Ziehen Sie die Anzeige auf den zweiten Bildschirm und drücken Sie <b>Full screen</b>: beim nächsten Start öffnet sie sich dort wieder im Vollbild."], "console.jpg"),
            ("Vor dem Anpfiff", ["Wählen Sie die beiden Mannschaften mit einem Doppelklick in den Listen oben. Im Menü <b>Optionen</b> finden Sie die Regeln (Sätze, Punkte, Tie-Break), die Sprache und die Farben der Anzeige.", "<b>Vorstellung</b> zeigt Foto, Nummer und Namen jedes nominierten Spielers, mit Ansage, wenn es eine gibt."], None),
            ("Während des Spiels", ["Jeden Punkt vergeben Sie mit dem <b>+ 1</b> der Mannschaft, die ihn gewinnt. Um ihn einem Spieler zuzuordnen, doppelklicken Sie auf seinen Namen oder tippen die Trikotnummer in das Feld über der Liste, bevor Sie <b>+ 1</b> drücken. Unter den Knöpfen wählen Sie die Art des Punktes: Ass, Block, Angriff, Lob.", "Einen Fehler beheben Sie mit <b>Undo</b> (der letzte Punkt) oder mit einem Doppelklick auf eine Zeile des <b>Punkteverlaufs</b>, der das Spiel auf diesen Moment zurücksetzt.", "Ein Doppelklick auf das Stoppuhr-Symbol nimmt eine Auszeit: die Anzeige zählt 30 Sekunden herunter."], "marcatore.jpg"),
            ("Die Anzeige", ["<b>Zoom +</b> und <b>Zoom -</b> vergrößern oder verkleinern die Punktestände; <b>Zoom All +</b> füllt den Bildschirm nur mit den Punkten. <b>&lt; Tauschen &gt;</b> setzt die Gäste nach links, wenn die Heimbank auf der anderen Seite ist; die Konsole zeigt Heim immer links."], "display.jpg"),
            ("Speichern und fortsetzen", ["<b>Spiel speichern</b> schreibt eine Textdatei in den Datenordner; <b>Spiel laden</b> öffnet sie wieder. Brivanta hält nach jedem Punkt auch eine Notfallkopie: geht der Computer aus, holen Sie das Spiel nach dem Neustart über das Menü <b>?</b> zurück."], None),
        ]),
        "readmeTEAM": ("Brivanta: Mannschaften vorbereiten", [
            ("Der Mannschaftseditor", ["Öffnen Sie <b>Datei &gt; Mannschaftsverwaltung</b>. Rechts steht die Liste der Mannschaften: ein Klick öffnet den Kader. <b>+ Neue Mannschaft</b> legt einen Ordner an (3 bis 35 Zeichen, ohne die in Ordnernamen verbotenen Zeichen); <b>Umbenennen</b> und <b>Löschen</b> wirken auf die gewählte Mannschaft. Home und Guests lassen sich weder löschen noch umbenennen."], "squadre.jpg"),
            ("Der Kader", ["Bis zu 27 Zeilen: Trikotnummer (zwei Zeichen; A1, A2 für Trainer, D1 für Betreuer), Nachname, Vorname, Position und das Häkchen <b>C</b> für Nominierte. <b>Nach Nummer sortieren</b> ordnet die Spieler; <b>Speichern</b> schreibt den Kader. <b>Fertig</b> speichert bei Änderungen und schließt; <b>Schließen ohne Speichern</b> lässt die Datei, wie sie war."], None),
            ("Fotos, Logo und Ansagen", ["Ein Klick auf das Spielerfoto, das Mannschaftsfoto oder das Logo wählt ein neues Bild: Brivanta wandelt es in JPEG um und legt es im Ordner der Mannschaft ab. Ein Spielerfoto braucht einen Spieler mit Namen und Nummer. Das Ordnersymbol im Audiobereich wählt die Ansage (MP3 oder WAV), die die Vorstellung für diese Nummer spielt. Rote Kreuze löschen, die Lupe öffnet die Datei."], None),
        ]),
        "readmeSPONS": ("Brivanta: Sponsorbilder", [
            ("Die Sponsorverwaltung", ["Öffnen Sie <b>Datei &gt; Sponsorbilder</b>. Oben links das Kopflogo, immer auf der Anzeige: ein Klick ändert es, das rote Kreuz löscht es.", "Unten zeigt die Galerie die Bilder der Leiste zu fünft: Pfeile und Leiste blättern, das Kreuz unter einem Bild löscht es. <b>Sponsorbild hinzufügen</b> kopiert ein Bild in den Ordner Sponsors, als JPEG; eine Datei, die kein Bild ist, wird abgelehnt."], "sponsor.jpg"),
            ("Die Leiste auf der Anzeige", ["Bilder im Format etwa 16/9 wirken am besten. Bei mehr als fünf Bildern wechselt die Leiste alle 4 Sekunden eines. Entfernen Sie das Häkchen <b>Visualizza barra sponsor</b> und drücken Sie <b>Fertig</b> für eine Anzeige ohne Leiste mit größeren Punkten."], None),
        ]),
    },
    "ESP": {
        "readme": ("Brivanta: llevar un partido", [
            ("Dos ventanas", ["La <b>consola</b> queda en el ordenador del operador; el <b>marcador</b> va en la segunda pantalla o en el televisor. Arrastra el marcador a la segunda pantalla y pulsa <b>Full screen</b>: en el próximo arranque se abrirá allí a pantalla completa."], "console.jpg"),
            ("Antes del silbato", ["Elige los dos equipos con un doble clic en las listas de arriba. En el menú <b>Opciones</b> están las reglas (sets, puntos, tie-break), el idioma y los colores del marcador.", "<b>Presentación</b> muestra la foto, el número y el nombre de cada convocado, con el anuncio de audio si lo hay."], None),
            ("Durante el partido", ["Cada punto se da con el <b>+ 1</b> del equipo que lo gana. Para atribuirlo a un atleta haz doble clic en su nombre, o escribe el número de camiseta en la casilla sobre la lista antes de pulsar <b>+ 1</b>. Bajo los botones elige el tipo de punto: ace, bloqueo, remate, finta.", "Un error se corrige con <b>Undo</b> (el último punto) o con un doble clic en una línea del <b>historial</b>, que devuelve el partido a ese momento.", "Un doble clic en el icono del cronómetro pide un tiempo muerto: el marcador cuenta hacia atrás 30 segundos."], "marcatore.jpg"),
            ("El marcador", ["<b>Zoom +</b> y <b>Zoom -</b> agrandan o reducen los tanteos; <b>Zoom All +</b> llena la pantalla solo con los tanteos. <b>&lt; Invertir &gt;</b> pone a los visitantes a la izquierda cuando el banquillo local está al otro lado; la consola siempre deja a los locales a la izquierda."], "display.jpg"),
            ("Guardar y retomar", ["<b>Guardar partido</b> escribe un archivo de texto en la carpeta de datos; <b>Cargar partido</b> lo vuelve a abrir. Brivanta guarda también una copia de emergencia tras cada punto: si el ordenador se apaga, recupera el partido desde el menú <b>?</b> al reiniciar."], None),
        ]),
        "readmeTEAM": ("Brivanta: preparar los equipos", [
            ("El editor de equipos", ["Abre <b>Archivo &gt; Gestión de equipos</b>. A la derecha está la lista de equipos: un clic abre la plantilla. <b>+ Nuevo equipo</b> crea una carpeta (de 3 a 35 caracteres, sin los caracteres prohibidos en nombres de carpeta); <b>Renombrar</b> y <b>Borrar</b> actúan sobre el equipo elegido. Home y Guests no se pueden borrar ni renombrar."], "squadre.jpg"),
            ("La plantilla", ["Hasta 27 filas: número de camiseta (dos caracteres; A1, A2 para los entrenadores, D1 para los directivos), apellido, nombre, posición y la marca <b>C</b> para los convocados. <b>Ordenar por número</b> ordena a los jugadores; <b>Guardar</b> escribe la plantilla. <b>Terminado</b> guarda si algo cambió y cierra; <b>Salir sin guardar</b> deja el archivo como estaba."], None),
            ("Fotos, logo y anuncios", ["Un clic en la foto del atleta, en la foto del equipo o en el logo elige una nueva imagen: Brivanta la convierte a JPEG y la guarda en la carpeta del equipo. La foto de un atleta necesita nombre y número. El icono de carpeta del recuadro de audio elige el anuncio (MP3 o WAV) que la presentación sonará para ese número. Las cruces rojas borran, la lupa abre el archivo."], None),
        ]),
        "readmeSPONS": ("Brivanta: imágenes de los patrocinadores", [
            ("La gestión de patrocinadores", ["Abre <b>Archivo &gt; Imágenes de patrocinadores</b>. Arriba a la izquierda está el logo de cabecera, siempre visible en el marcador: un clic lo cambia, la cruz roja lo borra.", "Abajo, la galería muestra las imágenes de la banda de cinco en cinco: las flechas y la barra desplazan, la cruz bajo una imagen la borra. <b>Añadir imagen de patrocinador</b> copia una imagen en la carpeta Sponsors, convertida a JPEG; un archivo que no es una imagen se rechaza."], "sponsor.jpg"),
            ("La banda en el marcador", ["Las imágenes con formato cercano a 16/9 quedan mejor. Con más de cinco imágenes la banda cambia una cada 4 segundos. Quita la marca <b>Visualizza barra sponsor</b> y pulsa <b>Terminado</b> para un marcador sin banda y con tanteos más grandes."], None),
        ]),
    },
}

CODICI_HTML = {"ITA": "it", "ENG": "en", "FRA": "fr", "DEU": "de", "ESP": "es"}


def pagina(lingua, titolo, sezioni):
    corpo = [f"<h1>{titolo}</h1>"]
    for intestazione, paragrafi, figura in sezioni:
        corpo.append(f"<h2>{intestazione}</h2>")
        corpo += [f"<p>{p}</p>" for p in paragrafi]
        if figura:
            corpo.append(f'<p><img src="aiuto/{figura}" alt="{intestazione}"></p>')
    return (f'<!DOCTYPE html>\n<html lang="{CODICI_HTML[lingua]}">\n<head>\n<meta charset="utf-8">\n'
            f"<title>{titolo}</title>\n<style>{STILE}</style>\n</head>\n<body>\n"
            + "\n".join(corpo) + "\n</body>\n</html>\n")


def main():
    for lingua, pagine in TESTI.items():
        for nome, (titolo, sezioni) in pagine.items():
            (DATI / f"{nome}{lingua}.htm").write_text(pagina(lingua, titolo, sezioni), encoding="utf-8")


if __name__ == "__main__":
    main()
