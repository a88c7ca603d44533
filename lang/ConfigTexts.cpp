// ConfigTexts.cpp - the configuration program's texts (UTF-8, like Texts.cpp)
//
// Language order in every set: "", English, French, German, Italian, Spanish,
// Romanian. The example paths stay as they are in every language: they are
// the paths the window's example line shows.
#include "lang/ConfigTexts.h"

const char* const kLanguageOwnNames[7] = {"",         "English", "Français", "Deutsch",
                                          "Italiano", "Español", "Română"};

const TextSet kConfigCaption = {
    "",
    "Velmo Image Recovery - Settings",
    "Velmo Image Recovery - Paramètres",
    "Velmo Image Recovery - Einstellungen",
    "Velmo Image Recovery - Impostazioni",
    "Velmo Image Recovery - Configuración",
    "Velmo Image Recovery - Setări",
};

const TextSet kConfigOutputLabel = {
    "",
    "&Folder for the recovered pictures:",
    "Dossier des &images récupérées :",
    "&Ordner für die wiederhergestellten Bilder:",
    "&Cartella per le immagini recuperate:",
    "&Carpeta para las imágenes recuperadas:",
    "&Dosarul pentru imaginile recuperate:",
};

const TextSet kConfigOutputNote = {
    "",
    "Leave it empty to put the pictures beside the document: in the folder of the last document you added with Open.",
    "Laissez-le vide pour placer les images à côté du document : dans le dossier du dernier document ajouté avec Open.",
    "Leer lassen, um die Bilder neben dem Dokument abzulegen: im Ordner des Dokuments, das zuletzt mit Open hinzugefügt wurde.",
    "Lasciala vuota per salvare le immagini accanto al documento: nella cartella dell'ultimo documento aggiunto con Open.",
    "Déjela vacía para guardar las imágenes junto al documento: en la carpeta del último documento añadido con Open.",
    "Lăsați-l gol pentru a pune imaginile lângă document: în dosarul ultimului document adăugat cu Open.",
};

const TextSet kConfigSuffixLabel = {
    "",
    "Folder &suffix (up to 3 characters):",
    "&Suffixe du dossier (3 caractères au plus) :",
    "Ordner&endung (höchstens 3 Zeichen):",
    "S&uffisso della cartella (massimo 3 caratteri):",
    "&Sufijo de la carpeta (3 caracteres como máximo):",
    "&Sufixul dosarului (cel mult 3 caractere):",
};

const TextSet kConfigSuffixNote = {
    "",
    "It follows the document's name. Left empty, it adds nothing when the folder above is empty (C:\\Work\\Report), and REC when a folder is set (D:\\Pictures\\ReportREC).",
    "Il suit le nom du document. Vide, il n'ajoute rien si le dossier ci-dessus est vide (C:\\Work\\Report), et ajoute REC si un dossier est indiqué (D:\\Pictures\\ReportREC).",
    "Sie folgt auf den Dokumentnamen. Leer gelassen, hängt sie nichts an, wenn der Ordner oben leer ist (C:\\Work\\Report), und REC, wenn ein Ordner angegeben ist (D:\\Pictures\\ReportREC).",
    "Segue il nome del documento. Se è vuoto, non aggiunge nulla quando la cartella qui sopra è vuota (C:\\Work\\Report) e aggiunge REC quando è indicata una cartella (D:\\Pictures\\ReportREC).",
    "Sigue al nombre del documento. Si se deja vacío, no añade nada cuando la carpeta de arriba está vacía (C:\\Work\\Report) y añade REC cuando hay una carpeta indicada (D:\\Pictures\\ReportREC).",
    "Urmează după numele documentului. Dacă e gol, nu adaugă nimic când dosarul de mai sus e gol (C:\\Work\\Report) și adaugă REC când e ales un dosar (D:\\Pictures\\ReportREC).",
};

const TextSet kConfigDeleteOffer = {
    "",
    "After a recovery, &offer to delete the document",
    "Après une récupération, pr&oposer de supprimer le document",
    "Nach einer Wiederherstellung &anbieten, das Dokument zu löschen",
    "Dopo un recupero, &proponi di eliminare il documento",
    "Después de una recuperación, &ofrecer borrar el documento",
    "După o recuperare, &propune ștergerea documentului",
};

const TextSet kConfigLanguageLabel = {
    "", "&Language:", "&Langue :", "Sp&rache:", "&Lingua:", "&Idioma:", "&Limba:",
};

const TextSet kConfigProgramLabel = {
    "",
    "&Program folder (holds Pelloc.exe and Gandry.exe):",
    "Dossier du &programme (contient Pelloc.exe et Gandry.exe) :",
    "&Programmordner (enthält Pelloc.exe und Gandry.exe):",
    "Cartella del p&rogramma (contiene Pelloc.exe e Gandry.exe):",
    "Carpeta del &programa (contiene Pelloc.exe y Gandry.exe):",
    "Dosarul pr&ogramului (conține Pelloc.exe și Gandry.exe):",
};

// The two Browse buttons say the same, each with its own access key.
const TextSet kConfigBrowseOutput = {
    "",
    "&Browse...",
    "Pa&rcourir...",
    "&Durchsuchen...",
    "&Sfoglia...",
    "&Examinar...",
    "&Răsfoire...",
};

const TextSet kConfigBrowseProgram = {
    "",
    "B&rowse...",
    "Parco&urir...",
    "Durc&hsuchen...",
    "Sfo&glia...",
    "E&xaminar...",
    "Răs&foire...",
};

const TextSet kConfigDefaults = {
    "", "&Defaults", "Par &défaut", "&Standard", "Pre&definite", "Pre&determinados", "&Implicite",
};

const TextSet kConfigCancel = {
    "", "Cancel", "Annuler", "Abbrechen", "Annulla", "Cancelar", "Anulare",
};

const TextSet kConfigTakesEffect = {
    "",
    "The main window takes a new language and program folder when it next starts, and the output folder, suffix and deletion offer at its next recovery.",
    "La fenêtre principale prend la nouvelle langue et le dossier du programme à son prochain démarrage, le dossier de sortie, le suffixe et la proposition de suppression à sa prochaine récupération.",
    "Das Hauptfenster übernimmt Sprache und Programmordner beim nächsten Start, Ausgabeordner, Endung und Löschangebot bei der nächsten Wiederherstellung.",
    "La finestra principale adotta la nuova lingua e la cartella del programma al prossimo avvio; cartella di destinazione, suffisso e proposta di eliminazione al prossimo recupero.",
    "La ventana principal adopta el nuevo idioma y la carpeta del programa la próxima vez que se inicie; la carpeta de salida, el sufijo y la oferta de borrado, en la próxima recuperación.",
    "Fereastra principală preia limba nouă și dosarul programului la următoarea pornire, iar dosarul de ieșire, sufixul și propunerea de ștergere la următoarea recuperare.",
};

const TextSet kConfigExample = {
    "",
    "Pictures from %s go to %s",
    "Les images de %s vont dans %s",
    "Bilder aus %s kommen nach %s",
    "Le immagini di %s vanno in %s",
    "Las imágenes de %s van a %s",
    "Imaginile din %s ajung în %s",
};

const TextSet kConfigFileMissing = {
    "",
    "No settings file was found, so these are the default settings. Nothing is written until you press OK.",
    "Aucun fichier de paramètres n'a été trouvé : voici les paramètres par défaut. Rien n'est écrit avant que vous cliquiez sur OK.",
    "Es wurde keine Einstellungsdatei gefunden, daher sehen Sie die Standardeinstellungen. Geschrieben wird erst, wenn Sie auf OK klicken.",
    "Non è stato trovato nessun file di impostazioni: ecco le impostazioni predefinite. Non viene scritto nulla finché non premi OK.",
    "No se encontró ningún archivo de configuración: estos son los valores predeterminados. No se escribe nada hasta que pulse OK.",
    "Nu s-a găsit niciun fișier de setări, așa că vedeți setările implicite. Nu se scrie nimic până nu apăsați OK.",
};

const TextSet kConfigFileInvalid = {
    "",
    "The settings file is damaged, so these are the default settings. Nothing is written until you press OK.",
    "Le fichier de paramètres est endommagé : voici les paramètres par défaut. Rien n'est écrit avant que vous cliquiez sur OK.",
    "Die Einstellungsdatei ist beschädigt, daher sehen Sie die Standardeinstellungen. Geschrieben wird erst, wenn Sie auf OK klicken.",
    "Il file di impostazioni è danneggiato: ecco le impostazioni predefinite. Non viene scritto nulla finché non premi OK.",
    "El archivo de configuración está dañado: estos son los valores predeterminados. No se escribe nada hasta que pulse OK.",
    "Fișierul de setări este deteriorat, așa că vedeți setările implicite. Nu se scrie nimic până nu apăsați OK.",
};

const TextSet kConfigPickOutput = {
    "",
    "Choose the folder for the recovered pictures",
    "Choisissez le dossier des images récupérées",
    "Wählen Sie den Ordner für die wiederhergestellten Bilder",
    "Scegli la cartella per le immagini recuperate",
    "Elija la carpeta para las imágenes recuperadas",
    "Alegeți dosarul pentru imaginile recuperate",
};

const TextSet kConfigPickProgram = {
    "",
    "Choose the folder that holds Pelloc.exe and Gandry.exe",
    "Choisissez le dossier qui contient Pelloc.exe et Gandry.exe",
    "Wählen Sie den Ordner, der Pelloc.exe und Gandry.exe enthält",
    "Scegli la cartella che contiene Pelloc.exe e Gandry.exe",
    "Elija la carpeta que contiene Pelloc.exe y Gandry.exe",
    "Alegeți dosarul care conține Pelloc.exe și Gandry.exe",
};

const TextSet kConfigSuffixTooLong = {
    "",
    "The folder suffix can have at most 3 characters.",
    "Le suffixe du dossier ne peut pas dépasser 3 caractères.",
    "Die Ordnerendung darf höchstens 3 Zeichen lang sein.",
    "Il suffisso della cartella può avere al massimo 3 caratteri.",
    "El sufijo de la carpeta puede tener como máximo 3 caracteres.",
    "Sufixul dosarului poate avea cel mult 3 caractere.",
};

const TextSet kConfigSuffixBadCharacter = {
    "",
    "The folder suffix cannot contain “%s”: a folder name may not hold \\ / : * ? \" < > |.",
    "Le suffixe du dossier ne peut pas contenir « %s » : un nom de dossier n'accepte pas \\ / : * ? \" < > |.",
    "Die Ordnerendung darf „%s“ nicht enthalten: In Ordnernamen sind \\ / : * ? \" < > | nicht erlaubt.",
    "Il suffisso della cartella non può contenere «%s»: i nomi delle cartelle non ammettono \\ / : * ? \" < > |.",
    "El sufijo de la carpeta no puede contener «%s»: los nombres de carpeta no admiten \\ / : * ? \" < > |.",
    "Sufixul dosarului nu poate conține „%s”: numele de dosare nu acceptă \\ / : * ? \" < > |.",
};

const TextSet kConfigSuffixNotAnsi = {
    "",
    "The folder suffix holds a character the settings file cannot store. Please use other letters.",
    "Le suffixe du dossier contient un caractère que le fichier de paramètres ne peut pas enregistrer. Utilisez d'autres lettres.",
    "Die Ordnerendung enthält ein Zeichen, das die Einstellungsdatei nicht speichern kann. Bitte verwenden Sie andere Buchstaben.",
    "Il suffisso della cartella contiene un carattere che il file di impostazioni non può memorizzare. Usa altre lettere.",
    "El sufijo de la carpeta contiene un carácter que el archivo de configuración no puede guardar. Use otras letras.",
    "Sufixul dosarului conține un caracter pe care fișierul de setări nu îl poate păstra. Folosiți alte litere.",
};

const TextSet kConfigOutputTooLong = {
    "",
    "The output folder is too long: the settings file holds at most %d characters.",
    "Le dossier de sortie est trop long : le fichier de paramètres accepte au plus %d caractères.",
    "Der Ausgabeordner ist zu lang: Die Einstellungsdatei fasst höchstens %d Zeichen.",
    "La cartella di destinazione è troppo lunga: il file di impostazioni accetta al massimo %d caratteri.",
    "La carpeta de salida es demasiado larga: el archivo de configuración admite como máximo %d caracteres.",
    "Dosarul de ieșire este prea lung: fișierul de setări acceptă cel mult %d caractere.",
};

const TextSet kConfigOutputNotAnsi = {
    "",
    "The output folder holds characters the settings file cannot store (it uses this system's code page). Please choose another folder.",
    "Le dossier de sortie contient des caractères que le fichier de paramètres ne peut pas enregistrer (il utilise la page de codes du système). Choisissez un autre dossier.",
    "Der Ausgabeordner enthält Zeichen, die die Einstellungsdatei nicht speichern kann (sie verwendet die Codepage des Systems). Bitte wählen Sie einen anderen Ordner.",
    "La cartella di destinazione contiene caratteri che il file di impostazioni non può memorizzare (usa la tabella codici del sistema). Scegli un'altra cartella.",
    "La carpeta de salida contiene caracteres que el archivo de configuración no puede guardar (usa la página de códigos del sistema). Elija otra carpeta.",
    "Dosarul de ieșire conține caractere pe care fișierul de setări nu le poate păstra (folosește pagina de cod a sistemului). Alegeți alt dosar.",
};

const TextSet kConfigOutputNotFull = {
    "",
    "Please give the output folder as a full path, starting with its drive (for example D:\\Pictures\\).",
    "Indiquez le dossier de sortie par son chemin complet, lecteur compris (par exemple D:\\Pictures\\).",
    "Bitte geben Sie den Ausgabeordner als vollständigen Pfad mit Laufwerk an (zum Beispiel D:\\Pictures\\).",
    "Indica la cartella di destinazione con il percorso completo, unità compresa (ad esempio D:\\Pictures\\).",
    "Indique la carpeta de salida con la ruta completa, incluida la unidad (por ejemplo D:\\Pictures\\).",
    "Indicați dosarul de ieșire cu calea completă, inclusiv unitatea (de exemplu D:\\Pictures\\).",
};

const TextSet kConfigProgramTooLong = {
    "",
    "The program folder is too long: the settings file holds at most %d characters.",
    "Le dossier du programme est trop long : le fichier de paramètres accepte au plus %d caractères.",
    "Der Programmordner ist zu lang: Die Einstellungsdatei fasst höchstens %d Zeichen.",
    "La cartella del programma è troppo lunga: il file di impostazioni accetta al massimo %d caratteri.",
    "La carpeta del programa es demasiado larga: el archivo de configuración admite como máximo %d caracteres.",
    "Dosarul programului este prea lung: fișierul de setări acceptă cel mult %d caractere.",
};

const TextSet kConfigProgramNotAnsi = {
    "",
    "The program folder holds characters the settings file cannot store (it uses this system's code page). Please choose another folder.",
    "Le dossier du programme contient des caractères que le fichier de paramètres ne peut pas enregistrer (il utilise la page de codes du système). Choisissez un autre dossier.",
    "Der Programmordner enthält Zeichen, die die Einstellungsdatei nicht speichern kann (sie verwendet die Codepage des Systems). Bitte wählen Sie einen anderen Ordner.",
    "La cartella del programma contiene caratteri che il file di impostazioni non può memorizzare (usa la tabella codici del sistema). Scegli un'altra cartella.",
    "La carpeta del programa contiene caracteres que el archivo de configuración no puede guardar (usa la página de códigos del sistema). Elija otra carpeta.",
    "Dosarul programului conține caractere pe care fișierul de setări nu le poate păstra (folosește pagina de cod a sistemului). Alegeți alt dosar.",
};

const TextSet kConfigCreateOutput = {
    "",
    "The folder %s does not exist. Create it now?",
    "Le dossier %s n'existe pas. Voulez-vous le créer maintenant ?",
    "Der Ordner %s existiert nicht. Jetzt anlegen?",
    "La cartella %s non esiste. Vuoi crearla adesso?",
    "La carpeta %s no existe. ¿Desea crearla ahora?",
    "Dosarul %s nu există. Îl creați acum?",
};

const TextSet kConfigCreateFailed = {
    "",
    "The folder %s could not be created. Nothing was saved.",
    "Impossible de créer le dossier %s. Rien n'a été enregistré.",
    "Der Ordner %s konnte nicht angelegt werden. Es wurde nichts gespeichert.",
    "Impossibile creare la cartella %s. Non è stato salvato nulla.",
    "No se pudo crear la carpeta %s. No se guardó nada.",
    "Dosarul %s nu a putut fi creat. Nu s-a salvat nimic.",
};

const TextSet kConfigSaveFailed = {
    "",
    "The settings could not be saved in %s. The file was left as it was. Close any program that might be using it and try again.",
    "Impossible d'enregistrer les paramètres dans %s. Le fichier est resté tel quel. Fermez les programmes qui pourraient l'utiliser, puis réessayez.",
    "Die Einstellungen konnten nicht in %s gespeichert werden. Die Datei ist unverändert. Schließen Sie Programme, die sie benutzen könnten, und versuchen Sie es erneut.",
    "Impossibile salvare le impostazioni in %s. Il file è rimasto com'era. Chiudi i programmi che potrebbero usarlo e riprova.",
    "No se pudo guardar la configuración en %s. El archivo quedó como estaba. Cierre los programas que puedan estar usándolo e inténtelo de nuevo.",
    "Setările nu au putut fi salvate în %s. Fișierul a rămas neschimbat. Închideți programele care l-ar putea folosi și încercați din nou.",
};

const TextSet kConfigSuffixEndsBadly = {
    "",
    "The folder suffix cannot end with a dot or a space: Windows drops them from the end of a folder name, so the folder would not be named as you asked.",
    "Le suffixe du dossier ne peut pas se terminer par un point ou une espace : Windows les retire de la fin des noms de dossier, et le dossier ne porterait pas le nom voulu.",
    "Die Ordnerendung darf nicht auf einen Punkt oder ein Leerzeichen enden: Windows entfernt sie am Ende von Ordnernamen, der Ordner hieße also nicht wie gewünscht.",
    "Il suffisso della cartella non può finire con un punto o uno spazio: Windows li toglie dalla fine dei nomi delle cartelle, quindi la cartella non avrebbe il nome voluto.",
    "El sufijo de la carpeta no puede terminar en punto ni en espacio: Windows los quita del final de los nombres de carpeta, así que la carpeta no tendría el nombre elegido.",
    "Sufixul dosarului nu se poate termina cu punct sau spațiu: Windows le elimină de la sfârșitul numelor de dosare, așa că dosarul nu ar avea numele dorit.",
};

const TextSet kConfigFolderBadCharacter = {
    "",
    "%s cannot be a folder: a folder name cannot contain “%s”.",
    "%s ne peut pas être un dossier : un nom de dossier ne peut pas contenir « %s ».",
    "%s kann kein Ordner sein: Ein Ordnername darf „%s“ nicht enthalten.",
    "%s non può essere una cartella: il nome di una cartella non può contenere «%s».",
    "%s no puede ser una carpeta: el nombre de una carpeta no puede contener «%s».",
    "%s nu poate fi un dosar: numele unui dosar nu poate conține „%s”.",
};

const TextSet kConfigFolderReservedName = {
    "",
    "%s cannot be a folder: Windows keeps the name “%s” for the device %s.",
    "%s ne peut pas être un dossier : Windows réserve le nom « %s » au périphérique %s.",
    "%s kann kein Ordner sein: Windows reserviert den Namen „%s“ für das Gerät %s.",
    "%s non può essere una cartella: Windows riserva il nome «%s» al dispositivo %s.",
    "%s no puede ser una carpeta: Windows reserva el nombre «%s» para el dispositivo %s.",
    "%s nu poate fi un dosar: Windows rezervă numele „%s” pentru dispozitivul %s.",
};

const TextSet kConfigFolderNoDrive = {
    "",
    "%s cannot be a folder: this computer has no drive %s.",
    "%s ne peut pas être un dossier : cet ordinateur n'a pas de lecteur %s.",
    "%s kann kein Ordner sein: Auf diesem Computer gibt es kein Laufwerk %s.",
    "%s non può essere una cartella: questo computer non ha un'unità %s.",
    "%s no puede ser una carpeta: este equipo no tiene ninguna unidad %s.",
    "%s nu poate fi un dosar: acest calculator nu are unitatea %s.",
};

const TextSet kConfigProgramNotFull = {
    "",
    "Please give the program folder as a full path, starting with its drive (for example C:\\Program Files\\Velmo Image Recovery\\).",
    "Indiquez le dossier du programme par son chemin complet, lecteur compris (par exemple C:\\Program Files\\Velmo Image Recovery\\).",
    "Bitte geben Sie den Programmordner als vollständigen Pfad mit Laufwerk an (zum Beispiel C:\\Program Files\\Velmo Image Recovery\\).",
    "Indica la cartella del programma con il percorso completo, unità compresa (ad esempio C:\\Program Files\\Velmo Image Recovery\\).",
    "Indique la carpeta del programa con la ruta completa, incluida la unidad (por ejemplo C:\\Program Files\\Velmo Image Recovery\\).",
    "Indicați dosarul programului cu calea completă, inclusiv unitatea (de exemplu C:\\Program Files\\Velmo Image Recovery\\).",
};

const TextSet kConfigProgramIncomplete = {
    "",
    "%s does not hold Pelloc.exe and Gandry.exe, so the main window could not open its settings or its help.\n\nSave this folder anyway?",
    "%s ne contient pas Pelloc.exe et Gandry.exe : la fenêtre principale ne pourrait ouvrir ni ses paramètres ni son aide.\n\nEnregistrer ce dossier quand même ?",
    "%s enthält Pelloc.exe und Gandry.exe nicht, daher könnte das Hauptfenster weder seine Einstellungen noch seine Hilfe öffnen.\n\nDiesen Ordner trotzdem speichern?",
    "%s non contiene Pelloc.exe e Gandry.exe: la finestra principale non potrebbe aprire né le impostazioni né la guida.\n\nSalvare comunque questa cartella?",
    "%s no contiene Pelloc.exe y Gandry.exe, así que la ventana principal no podría abrir ni la configuración ni la ayuda.\n\n¿Guardar esta carpeta de todos modos?",
    "%s nu conține Pelloc.exe și Gandry.exe, așa că fereastra principală nu ar putea deschide nici setările, nici ajutorul.\n\nSalvați totuși acest dosar?",
};
