<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it_IT">
<context>
    <name>CConfigDlg</name>
    <message>
        <source>Impostazioni</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Splitta le macro non standard</source>
        <translation>Expand non-standard macros</translation>
    </message>
    <message>
        <source>Larghezza toolbar delle macro</source>
        <translation>Width of the macro bar</translation>
    </message>
    <message>
        <source>Piccola</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Grande</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Millesimi di mm per UL:</source>
        <translation>Microns per logical unit:</translation>
    </message>
    <message>
        <source>Stampa invertito in modalità PCB</source>
        <translation>Print mirrored in PCB mode</translation>
    </message>
    <message>
        <source>Registra i tipi di file a ogni avvio</source>
        <translation>Register the file types at every start</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Automatica</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Lingua dell&apos;interfaccia:</source>
        <translation>Interface language:</translation>
    </message>
    <message>
        <source>Tavolin</source>
        <translation>Tavolin</translation>
    </message>
    <message>
        <source>La lingua dell&apos;interfaccia cambiera&apos; al prossimo avvio di Tavolin.</source>
        <translation>The interface language will change the next time Tavolin starts.</translation>
    </message>
    <message>
        <source>Immettere un numero intero compreso tra 1 e 1000.</source>
        <translation>Enter a whole number from 1 to 1000.</translation>
    </message>
</context>
<context>
    <name>CMessageBox</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Messaggi</name>
    <message>
        <source>Il disegno non ha elementi sui layer visibili: non c&apos;e&apos; nulla da esportare.</source>
        <translation>The drawing has no elements on the visible layers: there is nothing to export.</translation>
    </message>
    <message>
        <source>Errore di creazione del bitmap!</source>
        <translation>Could not create the bitmap!</translation>
    </message>
    <message>
        <source>Errore di allocazione di memoria!</source>
        <translation>Out of memory!</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file.</source>
        <translation>Cannot write the file.</translation>
    </message>
    <message>
        <source>Impossibile creare il metafile!</source>
        <translation>Cannot create the metafile!</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Formato del file non corretto.</source>
        <translation>The file format is not valid.</translation>
    </message>
    <message>
        <source>Impossibile aprire il file.</source>
        <translation>Cannot open the file.</translation>
    </message>
    <message>
        <source>Sono stati incontrati uno o piu&apos; errori in lettura. I comandi sconosciuti sono stati ignorati.</source>
        <translation>One or more errors were found while reading. Unknown commands were ignored.</translation>
    </message>
    <message>
        <source>Il nome specificato per la macro e&apos; gia&apos; utilizzato per un componente della libreria standard.</source>
        <translation>The name given to the macro is already used by a component of the standard library.</translation>
    </message>
    <message>
        <source>Stai per salvare un documento senza scindere le macro NON STANDARD in esso contenute (opzione impostabile nella dialog Opzioni/Configurazione). Questo puo&apos; portare a una potenziale impossibilita&apos; che altri utenti possano leggere correttamente il disegno. Per salvare comunque le macro non standard non splittate, premi SI; per modificare l&apos;opzione e salvare le macro nonstandard splittate (mantenendo comunque inalterate le macro di sistema), premi NO; per interrompere questo salvataggio premi Annulla.<byte value="xd"/>
(questo messaggio di avvertimento sara&apos; mostrato solo questa volta).</source>
        <translation>You are about to save a document without expanding the NON-STANDARD macros it contains (an option of the Options/Settings dialog). Other users may then be unable to read the drawing correctly. To save the non-standard macros unexpanded anyway, press YES; to change the option and save the non-standard macros expanded (leaving the system macros as they are), press NO; to stop saving, press Cancel.<byte value="xd"/>
(this warning is shown only this once).</translation>
    </message>
    <message>
        <source>Tavolin</source>
        <translation>Tavolin</translation>
    </message>
    <message>
        <source>Sia il titolo breve che quello lungo devono essere specificati.</source>
        <translation>Both the short and the long title must be given.</translation>
    </message>
    <message>
        <source>Il nome breve del componente di libreria deve essere composto da soli caratteri alfanumerici, e non deve essere piu&apos; lungo di 8 caratteri.</source>
        <translation>The short name of a library component may contain only letters and digits, and may be at most 8 characters long.</translation>
    </message>
    <message>
        <source>Il nome breve del componente di libreria e&apos; gia&apos; utilizzato.</source>
        <translation>The short name of the library component is already in use.</translation>
    </message>
    <message>
        <source>Il prefisso adottato e&apos; invalido. I nomi brevi possono essere composti soltanto da caretteri alfanumerici o dal sottotratto.</source>
        <translation>The prefix is not valid. Short names may contain only letters, digits or the underscore.</translation>
    </message>
    <message>
        <source>Con le impostazioni attuali, uno o piu&apos; titoli brevi occuperebbero piu&apos; degli 8 caratteri consentiti. Accorciare il prefisso e/o ridurre il numero di partenza e/o l&apos;incremento.</source>
        <translation>With these settings one or more short titles would be longer than the 8 characters allowed. Shorten the prefix and/or lower the starting number and/or the step.</translation>
    </message>
    <message>
        <source>Sono stati incontrati uno o piu&apos; errori in fase di numerazione. Alcuni componenti potrebbero non essere stati numerati correttamente.</source>
        <translation>One or more errors were found while numbering. Some components may not have been numbered correctly.</translation>
    </message>
    <message>
        <source>Rimuovere il componente?</source>
        <translation>Remove the component?</translation>
    </message>
    <message>
        <source>Rimuovere il componente %1?</source>
        <translation>Remove the component %1?</translation>
    </message>
    <message>
        <source>Il file %1 è stato modificato da un altro programma. Ricaricarlo?</source>
        <translation>The file %1 has been changed by another program. Reload it?</translation>
    </message>
    <message>
        <source>Il file %1 è stato eliminato da un altro programma.</source>
        <translation>The file %1 has been deleted by another program.</translation>
    </message>
    <message>
        <source>Il file %1 è stato modificato da un altro programma. Sovrascriverlo?</source>
        <translation>The file %1 has been changed by another program. Overwrite it?</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation>Cannot save the file %1.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Cannot write the file %1.</translation>
    </message>
    <message>
        <source>Errore di sistema %1</source>
        <translation>System error %1</translation>
    </message>
    <message>
        <source>Permesso negato</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>La cartella non esiste</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>Disco pieno</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>File system di sola lettura</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Quota del disco superata</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Nome del file troppo lungo</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Esiste gia&apos; una cartella con questo nome</source>
        <translation>A folder with this name already exists</translation>
    </message>
    <message>
        <source>File troppo grande</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Errore di lettura o scrittura sul disco</source>
        <translation>Disk read or write error</translation>
    </message>
    <message>
        <source>Troppi file aperti</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>File in uso</source>
        <translation>File in use</translation>
    </message>
</context>
</TS>
