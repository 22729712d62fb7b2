<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it_IT">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Informazioni su Tavolin</source>
        <translation>About Tavolin</translation>
    </message>
    <message>
        <source>Questo programma e&apos; freeware.</source>
        <translation>This program is freeware.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAutosaveFeature</name>
    <message>
        <source>Sono stati trovati documenti non salvati di una sessione precedente.
</source>
        <translation>Unsaved documents of an earlier session were found.
</translation>
    </message>
    <message>
        <source>Ripristina</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>CChildFrame</name>
    <message>
        <source>Salvare le modifiche a %1?</source>
        <translation>Save the changes to %1?</translation>
    </message>
</context>
<context>
    <name>CCompareFeature</name>
    <message>
        <source>Confronta con</source>
        <translation>Compare with</translation>
    </message>
</context>
<context>
    <name>CCompareWindow</name>
    <message>
        <source>Confronto tra %1 e %2</source>
        <translation>Comparison of %1 and %2</translation>
    </message>
    <message>
        <source>Nessuna differenza</source>
        <translation>No differences</translation>
    </message>
</context>
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
    <message>
        <source>Mostra i documenti come schede</source>
        <translation>Show the documents as tabs</translation>
    </message>
</context>
<context>
    <name>CDocumentBar</name>
    <message>
        <source>Seleziona il fattore di scala</source>
        <translation>Chooses the scale</translation>
    </message>
    <message>
        <source>Titolo Lungo documento (TL)</source>
        <translation>Long title of the document (TL)</translation>
    </message>
</context>
<context>
    <name>CDrawProgress</name>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDrawingDiff</name>
    <message>
        <source>aggiunto</source>
        <translation>added</translation>
    </message>
    <message>
        <source>aggiunti</source>
        <translation>added</translation>
    </message>
    <message>
        <source>rimosso</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>rimossi</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>spostato</source>
        <translation>moved</translation>
    </message>
    <message>
        <source>spostati</source>
        <translation>moved</translation>
    </message>
    <message>
        <source>ordine cambiato</source>
        <translation>order changed</translation>
    </message>
    <message>
        <source>titolo cambiato</source>
        <translation>title changed</translation>
    </message>
</context>
<context>
    <name>CExportDlg</name>
    <message>
        <source>Salva come bitmap/metafile</source>
        <translation>Save as bitmap/metafile</translation>
    </message>
    <message>
        <source>Modalita` relativa</source>
        <translation>Relative mode</translation>
    </message>
    <message>
        <source>Modalita` assoluta</source>
        <translation>Absolute mode</translation>
    </message>
    <message>
        <source>Enhanced Metafile</source>
        <translation>Enhanced Metafile</translation>
    </message>
    <message>
        <source>Zoom%:</source>
        <translation>Zoom %:</translation>
    </message>
    <message>
        <source>Immettere un numero intero compreso tra %1 e %2.</source>
        <translation>Enter a whole number from %1 to %2.</translation>
    </message>
    <message>
        <source>Tutti i file (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Salva con nome</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Esportazione di %1...</source>
        <translation>Exporting %1...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CFabDlg</name>
    <message>
        <source>Nessuno</source>
        <translation>None</translation>
    </message>
    <message>
        <source>&amp;Sfoglia...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>Salva con nome</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Archivi ZIP (*.zip)</source>
        <translation>ZIP archives (*.zip)</translation>
    </message>
    <message>
        <source>Esporta per la produzione</source>
        <translation>Export for production</translation>
    </message>
    <message>
        <source>Senza contorno la scheda e&apos; il rettangolo attorno ai livelli 1, 2 e 3, allargato di 1 mm.</source>
        <translation>Without an outline the board is the rectangle around layers 1, 2 and 3, widened by 1 mm.</translation>
    </message>
    <message>
        <source>&amp;Contorno sul livello:</source>
        <translation>&amp;Outline on layer:</translation>
    </message>
    <message>
        <source>&amp;Allargamento maschera (mm):</source>
        <translation>&amp;Mask expansion (mm):</translation>
    </message>
    <message>
        <source>&amp;Tratto (mm):</source>
        <translation>&amp;Stroke (mm):</translation>
    </message>
    <message>
        <source>A&amp;rchivio:</source>
        <translation>A&amp;rchive:</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Regole di produzione</source>
        <translation>Fabrication rules</translation>
    </message>
    <message>
        <source>Pista minima</source>
        <translation>Minimum track</translation>
    </message>
    <message>
        <source>Distanza minima</source>
        <translation>Minimum clearance</translation>
    </message>
    <message>
        <source>Foro minimo</source>
        <translation>Minimum drill</translation>
    </message>
    <message>
        <source>Corona minima</source>
        <translation>Minimum annular ring</translation>
    </message>
    <message>
        <source>Distanza tra i fori</source>
        <translation>Hole to hole</translation>
    </message>
    <message>
        <source>Distanza dal bordo</source>
        <translation>Copper to edge</translation>
    </message>
</context>
<context>
    <name>CFabFeature</name>
    <message>
        <source>Esportare comunque?</source>
        <translation>Export anyway?</translation>
    </message>
</context>
<context>
    <name>CFeatureBars</name>
    <message>
        <source>Per informazioni, premere F1</source>
        <translation>For help, press F1</translation>
    </message>
</context>
<context>
    <name>CFeatureFiles</name>
    <message>
        <source>Salva con nome</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Apre questo documento: %1</source>
        <translation>Opens this document: %1</translation>
    </message>
    <message>
        <source>Tutti i file (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>CFeatureLayers</name>
    <message>
        <source>Imposta il layer su cui saranno inseriti i nuovi componenti</source>
        <translation>Sets the layer new components are placed on</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
</context>
<context>
    <name>CFeatureWindows</name>
    <message>
        <source>Attiva questa finestra</source>
        <translation>Activates this window</translation>
    </message>
</context>
<context>
    <name>CGridDlg</name>
    <message>
        <source>Griglia e Snap</source>
        <translation>Grid and Snap</translation>
    </message>
    <message>
        <source>Visualizza Griglia</source>
        <translation>Show grid</translation>
    </message>
    <message>
        <source>Abilita Snap</source>
        <translation>Enable snap</translation>
    </message>
    <message>
        <source>Nascondi origine macro</source>
        <translation>Hide the macro origin</translation>
    </message>
    <message>
        <source>Griglia X:</source>
        <translation>Grid X:</translation>
    </message>
    <message>
        <source>Griglia Y:</source>
        <translation>Grid Y:</translation>
    </message>
    <message>
        <source>Snap X:</source>
        <translation>Snap X:</translation>
    </message>
    <message>
        <source>Snap Y:</source>
        <translation>Snap Y:</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CHelpFeature</name>
    <message>
        <source>La guida e&apos; nel file
%1</source>
        <translation>The manual is in the file
%1</translation>
    </message>
    <message>
        <source>Impossibile aprire la guida: manca il programma xdg-open, che la apre nel browser.</source>
        <translation>Cannot open the manual: the xdg-open program, which opens it in the browser, is missing.</translation>
    </message>
    <message>
        <source>Impossibile aprire la guida: il sistema non ha un browser che la mostri.</source>
        <translation>Cannot open the manual: the system has no browser to show it.</translation>
    </message>
    <message>
        <source>La guida non e&apos; installata: manca il file
%1</source>
        <translation>The manual is not installed: the file
%1
is missing</translation>
    </message>
</context>
<context>
    <name>CLayerDlg</name>
    <message>
        <source>Gestione Layer</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Schermo</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Tutti</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Nessuno</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Salva visualizzazione</source>
        <translation>Save display</translation>
    </message>
    <message>
        <source>Salva nomi layer</source>
        <translation>Save layer names</translation>
    </message>
    <message>
        <source>Salva colori layer</source>
        <translation>Save layer colours</translation>
    </message>
    <message>
        <source>Ripristina visualizzazione</source>
        <translation>Restore display</translation>
    </message>
    <message>
        <source>Ripristina nomi layer</source>
        <translation>Restore layer names</translation>
    </message>
    <message>
        <source>Ripristina colori layer</source>
        <translation>Restore layer colours</translation>
    </message>
</context>
<context>
    <name>CLibraryBar</name>
    <message>
        <source>Titolo Breve macro (TBM)</source>
        <translation>Short title of the macro (TBM)</translation>
    </message>
    <message>
        <source>Titolo Lungo macro (TLM)</source>
        <translation>Long title of the macro (TLM)</translation>
    </message>
</context>
<context>
    <name>CLibraryDiff</name>
    <message>
        <source>aggiunto</source>
        <translation>added</translation>
    </message>
    <message>
        <source>aggiunti</source>
        <translation>added</translation>
    </message>
    <message>
        <source>rimosso</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>rimossi</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>modificato</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>modificati</source>
        <translation>changed</translation>
    </message>
</context>
<context>
    <name>CMacroBar</name>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Cerca (Ctrl+F)</source>
        <translation>Search (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Funzioni comuni</source>
        <translation>Common functions</translation>
    </message>
    <message>
        <source>Primitive di disegno</source>
        <translation>Drawing primitives</translation>
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
    <name>CNumberDlg</name>
    <message>
        <source>Aggiungi zeri</source>
        <translation>Add leading zeros</translation>
    </message>
    <message>
        <source>Numera in progressione</source>
        <translation>Number in sequence</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Prefisso (opzionale):</source>
        <translation>Prefix (optional):</translation>
    </message>
    <message>
        <source>Numero di partenza:</source>
        <translation>Starting number:</translation>
    </message>
    <message>
        <source>Incremento:</source>
        <translation>Step:</translation>
    </message>
</context>
<context>
    <name>CPrintView</name>
    <message>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Il disegno non entra nella pagina a grandezza reale: quello che esce dall&apos;area stampabile non sara&apos; stampato.
Stampare comunque?</source>
        <translation>The drawing does not fit on the page at real size: whatever falls outside the printable area will not be printed.
Print anyway?</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Stampa di %1...</source>
        <translation>Printing %1...</translation>
    </message>
    <message>
        <source>Anteprima di stampa</source>
        <translation>Print Preview</translation>
    </message>
</context>
<context>
    <name>CPropertyDlg</name>
    <message>
        <source>Proprieta&apos;</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CReadProgress</name>
    <message>
        <source>Apertura di %1...</source>
        <translation>Opening %1...</translation>
    </message>
</context>
<context>
    <name>CRulesDock</name>
    <message>
        <source>Regole (%1)</source>
        <translation>Rules (%1)</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>Editor di schemi elettrici e circuiti stampati</source>
        <translation>Editor of schematics and printed circuit boards</translation>
    </message>
</context>
<context>
    <name>Comandi</name>
    <message>
        <source>&amp;Incolla</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Crea un nuovo documento</source>
        <translation>Creates a new document</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Apri...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Apre un documento esistente</source>
        <translation>Opens an existing document</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salva il documento attivo</source>
        <translation>Saves the active document</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Sa&amp;lva con nome...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Salva il documento attivo con un nuovo nome</source>
        <translation>Saves the active document under a new name</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Chiude il documento attivo</source>
        <translation>Closes the active document</translation>
    </message>
    <message>
        <source>Salva come &amp;bitmap/EMF...</source>
        <translation>Save as &amp;bitmap/EMF...</translation>
    </message>
    <message>
        <source>Salva il documento attuale sotto forma di file BMP o EMF (Enhanced Metafile)</source>
        <translation>Saves the current document as a BMP or EMF (Enhanced Metafile) file</translation>
    </message>
    <message>
        <source>Stam&amp;pa...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Stampa il documento attivo</source>
        <translation>Prints the active document</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Antepri&amp;ma di stampa</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Mostra la pagina come verra&apos; stampata</source>
        <translation>Shows the page as it will be printed</translation>
    </message>
    <message>
        <source>Imposta s&amp;tampante...</source>
        <translation>Print Set&amp;up...</translation>
    </message>
    <message>
        <source>Sceglie la stampante e le opzioni di stampa</source>
        <translation>Chooses the printer and the printing options</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Chiude il programma chiedendo di salvare i documenti modificati</source>
        <translation>Quits the program, asking to save the modified documents</translation>
    </message>
    <message>
        <source>Tag&amp;lia</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>Taglia la selezione e la mette negli appunti</source>
        <translation>Cuts the selection and puts it on the clipboard</translation>
    </message>
    <message>
        <source>Taglia</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>&amp;Copia</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copia la selezione negli appunti</source>
        <translation>Copies the selection to the clipboard</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Come nuova &amp;selezione</source>
        <translation>As new &amp;selection</translation>
    </message>
    <message>
        <source>Incolla il contenuto degli appunti come nuova selezione</source>
        <translation>Pastes the clipboard as a new selection</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Incolla come nuovo &amp;documento</source>
        <translation>Paste as new &amp;document</translation>
    </message>
    <message>
        <source>Apre il contenuto degli appunti come nuovo documento</source>
        <translation>Opens the clipboard as a new document</translation>
    </message>
    <message>
        <source>Come nuovo &amp;documento</source>
        <translation>As new &amp;document</translation>
    </message>
    <message>
        <source>Ca&amp;ncella</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Cancella la selezione</source>
        <translation>Deletes the selection</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Annulla l&apos;ultima modifica</source>
        <translation>Undoes the last change</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Ripristina l&apos;ultima modifica annullata</source>
        <translation>Redoes the last undone change</translation>
    </message>
    <message>
        <source>&amp;Ruota selezione	R</source>
        <translation>R&amp;otate selection	R</translation>
    </message>
    <message>
        <source>Ruota la selezione di un quarto di giro</source>
        <translation>Rotates the selection by a quarter turn</translation>
    </message>
    <message>
        <source>S&amp;wappa selezione	S</source>
        <translation>&amp;Mirror selection	S</translation>
    </message>
    <message>
        <source>Specchia la selezione da destra a sinistra</source>
        <translation>Mirrors the selection from right to left</translation>
    </message>
    <message>
        <source>Trascina con i colle&amp;gamenti	G</source>
        <translation>Dra&amp;g with connections	G</translation>
    </message>
    <message>
        <source>Sposta la selezione trascinando i collegamenti attaccati</source>
        <translation>Moves the selection, dragging the attached connections along</translation>
    </message>
    <message>
        <source>Cre&amp;a macro</source>
        <translation>Cr&amp;eate macro</translation>
    </message>
    <message>
        <source>Raggruppa la selezione in una macro</source>
        <translation>Groups the selection into a macro</translation>
    </message>
    <message>
        <source>S&amp;plit macro</source>
        <translation>Sp&amp;lit macro</translation>
    </message>
    <message>
        <source>Scompone le macro selezionate nelle loro primitive</source>
        <translation>Breaks the selected macros up into their primitives</translation>
    </message>
    <message>
        <source>Seleziona &amp;tutto</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>Seleziona tutti gli oggetti dei layer visibili</source>
        <translation>Selects every object on the visible layers</translation>
    </message>
    <message>
        <source>In&amp;verti selezione</source>
        <translation>&amp;Invert selection</translation>
    </message>
    <message>
        <source>Seleziona gli oggetti non selezionati e viceversa</source>
        <translation>Selects the unselected objects and unselects the selected ones</translation>
    </message>
    <message>
        <source>Pr&amp;oprieta&apos;...</source>
        <translation>Propertie&amp;s...</translation>
    </message>
    <message>
        <source>Mostra e modifica le proprieta&apos; della selezione</source>
        <translation>Shows and edits the properties of the selection</translation>
    </message>
    <message>
        <source>Scala com&amp;baciante</source>
        <translation>Str&amp;etch to window</translation>
    </message>
    <message>
        <source>Adatta la scala alle dimensioni della finestra</source>
        <translation>Fits the scale to the size of the window</translation>
    </message>
    <message>
        <source>Ridimensione a finestra</source>
        <translation>Stretch to window</translation>
    </message>
    <message>
        <source>A&amp;datta alla finestra	Home</source>
        <translation>&amp;Fit to window	Home</translation>
    </message>
    <message>
        <source>Mostra tutto il disegno nella finestra</source>
        <translation>Shows the whole drawing in the window</translation>
    </message>
    <message>
        <source>&amp;Griglia e Snap...</source>
        <translation>&amp;Grid and snap...</translation>
    </message>
    <message>
        <source>Imposta la griglia e lo snap della vista</source>
        <translation>Sets the view&apos;s grid and snap</translation>
    </message>
    <message>
        <source>Dialog Griglia e Snap</source>
        <translation>Grid and snap</translation>
    </message>
    <message>
        <source>Barra degli st&amp;rumenti</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Mostra o nasconde la barra degli strumenti</source>
        <translation>Shows or hides the toolbar</translation>
    </message>
    <message>
        <source>Barra di st&amp;ato</source>
        <translation>Status &amp;bar</translation>
    </message>
    <message>
        <source>Mostra o nasconde la barra di stato</source>
        <translation>Shows or hides the status bar</translation>
    </message>
    <message>
        <source>Barra delle &amp;primitive</source>
        <translation>&amp;Primitives bar</translation>
    </message>
    <message>
        <source>Mostra/nascondi barra delle primitive</source>
        <translation>Shows or hides the primitives bar</translation>
    </message>
    <message>
        <source>Barra delle &amp;macro</source>
        <translation>&amp;Macro bar</translation>
    </message>
    <message>
        <source>Mostra/nascondi barra delle macro</source>
        <translation>Shows or hides the macro bar</translation>
    </message>
    <message>
        <source>Aggiorna &amp;lista macro</source>
        <translation>Reload macro &amp;list</translation>
    </message>
    <message>
        <source>Rilegge le librerie e aggiorna l&apos;elenco delle macro</source>
        <translation>Reads the libraries again and refreshes the list of macros</translation>
    </message>
    <message>
        <source>Aggiorna d&amp;ocumento</source>
        <translation>Re&amp;draw document</translation>
    </message>
    <message>
        <source>Ridisegna il documento</source>
        <translation>Redraws the document</translation>
    </message>
    <message>
        <source>&amp;Visualizzazione e stampa layer...</source>
        <translation>La&amp;yers: display and printing...</translation>
    </message>
    <message>
        <source>Imposta nomi, colori, visualizzazione e stampa dei layer</source>
        <translation>Sets the names, colours, display and printing of the layers</translation>
    </message>
    <message>
        <source>&amp;Snap ON/OFF</source>
        <translation>&amp;Snap on/off</translation>
    </message>
    <message>
        <source>Attiva o disattiva lo snap alla griglia</source>
        <translation>Turns snapping to the grid on or off</translation>
    </message>
    <message>
        <source>Snap ON/OFF</source>
        <translation>Snap on/off</translation>
    </message>
    <message>
        <source>P&amp;CB Mode ON/OFF</source>
        <translation>P&amp;CB mode on/off</translation>
    </message>
    <message>
        <source>Attiva o disattiva la modalita&apos; PCB</source>
        <translation>Turns PCB mode on or off</translation>
    </message>
    <message>
        <source>PCB Mode ON/OFF</source>
        <translation>PCB mode on/off</translation>
    </message>
    <message>
        <source>Vai all&apos;orig&amp;ine macro</source>
        <translation>Go to macro or&amp;igin</translation>
    </message>
    <message>
        <source>Porta in vista l&apos;origine della macro</source>
        <translation>Brings the macro&apos;s origin into view</translation>
    </message>
    <message>
        <source>Vai all&apos;origine macro</source>
        <translation>Go to macro origin</translation>
    </message>
    <message>
        <source>&amp;Aggiungi nuovo componente</source>
        <translation>&amp;Add new component</translation>
    </message>
    <message>
        <source>Aggiunge un nuovo componente in fondo alla libreria</source>
        <translation>Adds a new component at the end of the library</translation>
    </message>
    <message>
        <source>Inserisci nuovo componente &amp;dopo</source>
        <translation>Insert new component a&amp;fter</translation>
    </message>
    <message>
        <source>Inserisce un nuovo componente dopo quello attuale</source>
        <translation>Inserts a new component after the current one</translation>
    </message>
    <message>
        <source>Inserisci nuovo componente &amp;prima</source>
        <translation>Insert new component &amp;before</translation>
    </message>
    <message>
        <source>Inserisce un nuovo componente prima di quello attuale</source>
        <translation>Inserts a new component before the current one</translation>
    </message>
    <message>
        <source>&amp;Rimuovi componente</source>
        <translation>&amp;Remove component</translation>
    </message>
    <message>
        <source>Rimuove il componente attuale dalla libreria</source>
        <translation>Removes the current component from the library</translation>
    </message>
    <message>
        <source>&amp;Numera in progressione...</source>
        <translation>&amp;Number in sequence...</translation>
    </message>
    <message>
        <source>Assegna ai componenti chiavi numerate in progressione</source>
        <translation>Gives the components keys numbered in sequence</translation>
    </message>
    <message>
        <source>&amp;Configurazione...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>Modifica le impostazioni del programma</source>
        <translation>Changes the program&apos;s settings</translation>
    </message>
    <message>
        <source>Caricamento librerie &amp;utente...</source>
        <translation>Load &amp;user libraries...</translation>
    </message>
    <message>
        <source>Carica le librerie dell&apos;utente</source>
        <translation>Loads the user&apos;s libraries</translation>
    </message>
    <message>
        <source>&amp;Sovrapposte</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Dispone le finestre sovrapposte</source>
        <translation>Arranges the windows overlapping</translation>
    </message>
    <message>
        <source>&amp;Affianca orizzontalmente</source>
        <translation>Tile &amp;horizontally</translation>
    </message>
    <message>
        <source>Dispone le finestre affiancate una sotto l&apos;altra</source>
        <translation>Arranges the windows one below the other</translation>
    </message>
    <message>
        <source>Affianca &amp;verticalmente</source>
        <translation>Tile &amp;vertically</translation>
    </message>
    <message>
        <source>Dispone le finestre affiancate una accanto all&apos;altra</source>
        <translation>Arranges the windows side by side</translation>
    </message>
    <message>
        <source>&amp;Disponi icone</source>
        <translation>&amp;Arrange icons</translation>
    </message>
    <message>
        <source>Dispone le icone delle finestre ridotte</source>
        <translation>Arranges the icons of the minimised windows</translation>
    </message>
    <message>
        <source>Finestra &amp;successiva</source>
        <translation>&amp;Next window</translation>
    </message>
    <message>
        <source>Attiva la finestra del documento aperto dopo</source>
        <translation>Activates the window of the next open document</translation>
    </message>
    <message>
        <source>Finestra &amp;precedente</source>
        <translation>&amp;Previous window</translation>
    </message>
    <message>
        <source>Attiva la finestra del documento aperto prima</source>
        <translation>Activates the window of the previous open document</translation>
    </message>
    <message>
        <source>&amp;Argomenti della Guida</source>
        <translation>&amp;Help topics</translation>
    </message>
    <message>
        <source>Mostra gli argomenti della guida</source>
        <translation>Shows the help topics</translation>
    </message>
    <message>
        <source>&amp;Guida rapida</source>
        <translation>&amp;What&apos;s this?</translation>
    </message>
    <message>
        <source>Mostra la guida sull&apos;oggetto indicato col mouse</source>
        <translation>Shows help on the object pointed at with the mouse</translation>
    </message>
    <message>
        <source>Guida</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Infor&amp;mazioni su Tavolin...</source>
        <translation>&amp;About Tavolin...</translation>
    </message>
    <message>
        <source>Mostra le informazioni sul programma</source>
        <translation>Shows information about the program</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&amp;Selezione</source>
        <translation>&amp;Selection</translation>
    </message>
    <message>
        <source>Selezione di uno o piu&apos; oggetti</source>
        <translation>Selects one or more objects</translation>
    </message>
    <message>
        <source>Selezione</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>&amp;Zoom	Z</source>
        <translation>&amp;Zoom	Z</translation>
    </message>
    <message>
        <source>Ingrandisce o diminuisce il fattore di scala</source>
        <translation>Enlarges or reduces the scale</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Dragging &amp;hand	H</source>
        <translation>&amp;Pan	H</translation>
    </message>
    <message>
        <source>Trascina il disegno col mouse</source>
        <translation>Drags the drawing with the mouse</translation>
    </message>
    <message>
        <source>Dragging hand</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>&amp;Linea	L</source>
        <translation>&amp;Line	L</translation>
    </message>
    <message>
        <source>Disegna una linea</source>
        <translation>Draws a line</translation>
    </message>
    <message>
        <source>Linea</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>&amp;Testo esteso	T</source>
        <translation>&amp;Text	T</translation>
    </message>
    <message>
        <source>Disegna una stringa di testo con attributi estesi</source>
        <translation>Draws a text string with extended attributes</translation>
    </message>
    <message>
        <source>Testo esteso</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>&amp;Connessione elettrica	C</source>
        <translation>Electrical &amp;connection	C</translation>
    </message>
    <message>
        <source>Disegna una connessione elettrica</source>
        <translation>Draws an electrical connection</translation>
    </message>
    <message>
        <source>Connessione elettrica</source>
        <translation>Electrical connection</translation>
    </message>
    <message>
        <source>Curva &amp;Bezier	B</source>
        <translation>&amp;Bezier curve	B</translation>
    </message>
    <message>
        <source>Disegna una curva cubica Bezier</source>
        <translation>Draws a cubic Bezier curve</translation>
    </message>
    <message>
        <source>Curva Bezier</source>
        <translation>Bezier curve</translation>
    </message>
    <message>
        <source>&amp;Poligono	P</source>
        <translation>P&amp;olygon	P</translation>
    </message>
    <message>
        <source>Disegna un poligono (pieno o vuoto) con n lati</source>
        <translation>Draws a polygon (filled or empty) with n sides</translation>
    </message>
    <message>
        <source>Poligono</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>&amp;Ellisse	E</source>
        <translation>&amp;Ellipse	E</translation>
    </message>
    <message>
        <source>Disegna un&apos;ellisse (piena o vuota)</source>
        <translation>Draws an ellipse (filled or empty)</translation>
    </message>
    <message>
        <source>Ellisse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>&amp;Rettangolo	Q</source>
        <translation>&amp;Rectangle	Q</translation>
    </message>
    <message>
        <source>Disegna un rettangolo (pieno o vuoto)</source>
        <translation>Draws a rectangle (filled or empty)</translation>
    </message>
    <message>
        <source>Rettangolo</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>&amp;Macro	M</source>
        <translation>&amp;Macro	M</translation>
    </message>
    <message>
        <source>Inserisce la macro selezionata nel documento</source>
        <translation>Inserts the selected macro into the document</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>P&amp;ista	I</source>
        <translation>Trac&amp;k	I</translation>
    </message>
    <message>
        <source>Disegna una pista</source>
        <translation>Draws a track</translation>
    </message>
    <message>
        <source>Pista</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Pi&amp;azzola	A</source>
        <translation>P&amp;ad	A</translation>
    </message>
    <message>
        <source>Disegna una piazzola</source>
        <translation>Draws a pad</translation>
    </message>
    <message>
        <source>Piazzola</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Visualizza</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>S&amp;trumenti</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Libreria</source>
        <translation>&amp;Library</translation>
    </message>
    <message>
        <source>&amp;Opzioni</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Fi&amp;nestra</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>C&amp;onfronta con...</source>
        <translation>C&amp;ompare with...</translation>
    </message>
    <message>
        <source>Confronta il documento attivo con un disegno salvato</source>
        <translation>Compares the active document with a saved drawing</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;Guida</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Mostra la guida</source>
        <translation>Shows the manual</translation>
    </message>
    <message>
        <source>Guida &amp;predefinita</source>
        <translation>&amp;Default help</translation>
    </message>
    <message>
        <source>Esporta per la p&amp;roduzione...</source>
        <translation>Export for p&amp;roduction...</translation>
    </message>
    <message>
        <source>Scrive i file Gerber e di foratura per il produttore dei circuiti stampati</source>
        <translation>Writes the Gerber and drill files for the board maker</translation>
    </message>
    <message>
        <source>Controllo delle re&amp;gole...</source>
        <translation>Check design r&amp;ules...</translation>
    </message>
    <message>
        <source>Controlla le regole di produzione sul rame, sui fori e sul contorno</source>
        <translation>Checks the fabrication rules on the copper, the holes and the outline</translation>
    </message>
    <message>
        <source>&amp;Seleziona collegati	N</source>
        <translation>Select co&amp;nnected	N</translation>
    </message>
    <message>
        <source>Aggiunge alla selezione tutto cio&apos; che e&apos; collegato ad essa</source>
        <translation>Adds everything connected to it to the selection</translation>
    </message>
</context>
<context>
    <name>CommandHelp</name>
    <message>
        <source>Crea un documento vuoto: un disegno, una macro o una libreria.</source>
        <translation>Creates an empty document: a drawing, a macro or a library.</translation>
    </message>
    <message>
        <source>Apre un disegno (.tvd), una macro (.tvm) o una libreria (.tvl) in una nuova finestra.</source>
        <translation>Opens a drawing (.tvd), a macro (.tvm) or a library (.tvl) in a new window.</translation>
    </message>
    <message>
        <source>Salva il documento attivo nel suo file; un documento nuovo chiede prima il nome.</source>
        <translation>Saves the active document to its file; a new document first asks for a name.</translation>
    </message>
    <message>
        <source>Salva il documento attivo in un file di cui si sceglie il nome.</source>
        <translation>Saves the active document to a file whose name you choose.</translation>
    </message>
    <message>
        <source>Chiude la finestra del documento attivo, chiedendo se salvarlo quando e&apos; stato modificato.</source>
        <translation>Closes the active document&apos;s window, asking whether to save it when it has been changed.</translation>
    </message>
    <message>
        <source>Confronta il disegno attivo con un altro file e mostra le primitive aggiunte, rimosse e spostate.</source>
        <translation>Compares the active drawing with another file and shows the primitives added, removed and moved.</translation>
    </message>
    <message>
        <source>Salva il disegno come immagine (BMP, PNG, EMF, SVG o PDF) alla scala scelta.</source>
        <translation>Saves the drawing as a picture (BMP, PNG, EMF, SVG or PDF) at the chosen scale.</translation>
    </message>
    <message>
        <source>Stampa il documento adattato alla pagina o in scala reale.</source>
        <translation>Prints the document fitted to the page or at real scale.</translation>
    </message>
    <message>
        <source>Mostra le pagine come verranno stampate, senza stamparle.</source>
        <translation>Shows the pages as they will be printed, without printing them.</translation>
    </message>
    <message>
        <source>Sceglie la stampante, il formato e l&apos;orientamento della carta.</source>
        <translation>Chooses the printer, the paper size and its orientation.</translation>
    </message>
    <message>
        <source>Chiude Tavolin, chiedendo di salvare i documenti modificati.</source>
        <translation>Closes Tavolin, asking to save the changed documents.</translation>
    </message>
    <message>
        <source>Toglie gli oggetti selezionati dal disegno e li mette negli appunti.</source>
        <translation>Removes the selected objects from the drawing and puts them on the clipboard.</translation>
    </message>
    <message>
        <source>Copia gli oggetti selezionati negli appunti, come testo che un altro disegno puo&apos; incollare.</source>
        <translation>Copies the selected objects to the clipboard, as text another drawing can paste.</translation>
    </message>
    <message>
        <source>Incolla gli oggetti degli appunti: seguono il mouse finche&apos; un clic non li posa.</source>
        <translation>Pastes the objects on the clipboard: they follow the mouse until a click places them.</translation>
    </message>
    <message>
        <source>Apre il contenuto degli appunti in un nuovo documento.</source>
        <translation>Opens the clipboard&apos;s contents in a new document.</translation>
    </message>
    <message>
        <source>Cancella gli oggetti selezionati.</source>
        <translation>Deletes the selected objects.</translation>
    </message>
    <message>
        <source>Annulla l&apos;ultima modifica del documento.</source>
        <translation>Undoes the document&apos;s last change.</translation>
    </message>
    <message>
        <source>Ripristina la modifica annullata per ultima.</source>
        <translation>Redoes the change undone last.</translation>
    </message>
    <message>
        <source>Ruota la selezione di un quarto di giro.</source>
        <translation>Turns the selection a quarter turn.</translation>
    </message>
    <message>
        <source>Specchia la selezione da destra a sinistra.</source>
        <translation>Mirrors the selection from right to left.</translation>
    </message>
    <message>
        <source>Sposta la selezione trascinando con se&apos; le linee che vi sono collegate.</source>
        <translation>Moves the selection, dragging the lines connected to it along.</translation>
    </message>
    <message>
        <source>Raggruppa gli oggetti selezionati in una macro che si sposta come un oggetto solo.</source>
        <translation>Groups the selected objects into a macro that moves as one object.</translation>
    </message>
    <message>
        <source>Scompone le macro selezionate nelle primitive che le compongono.</source>
        <translation>Splits the selected macros into the primitives they are made of.</translation>
    </message>
    <message>
        <source>Seleziona tutti gli oggetti dei layer visibili.</source>
        <translation>Selects every object on the visible layers.</translation>
    </message>
    <message>
        <source>Seleziona gli oggetti non selezionati e deseleziona gli altri.</source>
        <translation>Selects the objects not selected and deselects the others.</translation>
    </message>
    <message>
        <source>Mostra e modifica le proprieta&apos; degli oggetti selezionati, come layer, spessore o testo.</source>
        <translation>Shows and edits the properties of the selected objects, such as layer, thickness or text.</translation>
    </message>
    <message>
        <source>Deforma il foglio intero perche&apos; riempia la finestra, senza barre di scorrimento.</source>
        <translation>Stretches the whole sheet to fill the window, without scroll bars.</translation>
    </message>
    <message>
        <source>Sceglie la scala e la posizione che mostrano tutto il disegno nella finestra.</source>
        <translation>Chooses the zoom and position that show the whole drawing in the window.</translation>
    </message>
    <message>
        <source>Imposta il passo della griglia mostrata e quello dello snap.</source>
        <translation>Sets the step of the grid shown and of the snap.</translation>
    </message>
    <message>
        <source>Mostra o nasconde la barra delle funzioni comuni.</source>
        <translation>Shows or hides the common functions bar.</translation>
    </message>
    <message>
        <source>Mostra o nasconde la barra di stato in fondo alla finestra.</source>
        <translation>Shows or hides the status bar at the bottom of the window.</translation>
    </message>
    <message>
        <source>Mostra o nasconde la barra degli strumenti di disegno.</source>
        <translation>Shows or hides the drawing tools bar.</translation>
    </message>
    <message>
        <source>Mostra o nasconde la barra con l&apos;albero delle macro.</source>
        <translation>Shows or hides the bar with the macro tree.</translation>
    </message>
    <message>
        <source>Rilegge le librerie e le macro delle cartelle libs e macros e aggiorna l&apos;albero.</source>
        <translation>Reads the libraries and macros of the libs and macros folders again and updates the tree.</translation>
    </message>
    <message>
        <source>Ridisegna il documento nella finestra.</source>
        <translation>Redraws the document in the window.</translation>
    </message>
    <message>
        <source>Imposta nome, colore, visibilita&apos; e stampa di ciascuno dei 16 layer.</source>
        <translation>Sets the name, colour, visibility and printing of each of the 16 layers.</translation>
    </message>
    <message>
        <source>Attiva o disattiva l&apos;aggancio dei punti alla griglia di snap.</source>
        <translation>Turns snapping points to the snap grid on or off.</translation>
    </message>
    <message>
        <source>Attiva o disattiva la modalita&apos; PCB, in cui la stampa puo&apos; uscire specchiata per il circuito stampato.</source>
        <translation>Turns PCB mode on or off; in it, printing can come out mirrored for the circuit board.</translation>
    </message>
    <message>
        <source>Porta in vista l&apos;origine della macro, il punto in cui verra&apos; inserita.</source>
        <translation>Brings into view the macro&apos;s origin, the point where it will be placed.</translation>
    </message>
    <message>
        <source>Aggiunge un componente vuoto in fondo alla libreria.</source>
        <translation>Adds an empty component at the end of the library.</translation>
    </message>
    <message>
        <source>Inserisce un componente vuoto dopo quello mostrato.</source>
        <translation>Inserts an empty component after the one shown.</translation>
    </message>
    <message>
        <source>Inserisce un componente vuoto prima di quello mostrato.</source>
        <translation>Inserts an empty component before the one shown.</translation>
    </message>
    <message>
        <source>Toglie dalla libreria il componente mostrato.</source>
        <translation>Removes the component shown from the library.</translation>
    </message>
    <message>
        <source>Assegna ai componenti chiavi numerate in progressione, a partire dal numero scelto.</source>
        <translation>Gives the components keys numbered in sequence, starting from the chosen number.</translation>
    </message>
    <message>
        <source>Modifica le impostazioni del programma, come la larghezza della barra delle macro.</source>
        <translation>Changes the program&apos;s settings, such as the width of the macro bar.</translation>
    </message>
    <message>
        <source>Le librerie dell&apos;utente si caricano da sole dalla cartella libs.</source>
        <translation>The user&apos;s libraries are loaded by themselves from the libs folder.</translation>
    </message>
    <message>
        <source>Dispone le finestre dei documenti sovrapposte a scalare.</source>
        <translation>Arranges the documents&apos; windows overlapping in a cascade.</translation>
    </message>
    <message>
        <source>Dispone le finestre dei documenti una sotto l&apos;altra.</source>
        <translation>Arranges the documents&apos; windows one below the other.</translation>
    </message>
    <message>
        <source>Dispone le finestre dei documenti una accanto all&apos;altra.</source>
        <translation>Arranges the documents&apos; windows side by side.</translation>
    </message>
    <message>
        <source>Allinea in basso le icone delle finestre ridotte.</source>
        <translation>Lines up the icons of the minimised windows at the bottom.</translation>
    </message>
    <message>
        <source>Attiva la finestra del documento aperto dopo quello attivo.</source>
        <translation>Activates the window of the document opened after the active one.</translation>
    </message>
    <message>
        <source>Attiva la finestra del documento aperto prima di quello attivo.</source>
        <translation>Activates the window of the document opened before the active one.</translation>
    </message>
    <message>
        <source>Apre la guida di Tavolin nel browser.</source>
        <translation>Opens Tavolin&apos;s manual in the browser.</translation>
    </message>
    <message>
        <source>Dopo questo pulsante, un clic su un pulsante o una voce di menu ne mostra la spiegazione.</source>
        <translation>After this button, a click on a button or menu item shows what it does.</translation>
    </message>
    <message>
        <source>Mostra la versione del programma.</source>
        <translation>Shows the program&apos;s version.</translation>
    </message>
    <message>
        <source>Seleziona con un clic o con un riquadro gli oggetti da spostare o modificare.</source>
        <translation>Selects with a click or a frame the objects to move or edit.</translation>
    </message>
    <message>
        <source>Un clic sinistro ingrandisce il disegno attorno al punto, un clic destro lo rimpicciolisce.</source>
        <translation>A left click zooms in around the point, a right click zooms out.</translation>
    </message>
    <message>
        <source>Sposta la vista trascinando il disegno col mouse.</source>
        <translation>Moves the view by dragging the drawing with the mouse.</translation>
    </message>
    <message>
        <source>Disegna linee una dopo l&apos;altra, ciascuna dalla fine della precedente; Esc smette.</source>
        <translation>Draws lines one after another, each from the end of the one before; Esc stops.</translation>
    </message>
    <message>
        <source>Scrive un testo nel punto cliccato; la finestra delle proprieta&apos; ne chiede il contenuto e il carattere.</source>
        <translation>Writes a text at the point clicked; the properties window asks for its content and font.</translation>
    </message>
    <message>
        <source>Mette un punto di connessione elettrica dove si incrociano due fili.</source>
        <translation>Places an electrical connection dot where two wires cross.</translation>
    </message>
    <message>
        <source>Disegna una curva di Bezier posando uno dopo l&apos;altro un estremo, due punti di controllo e l&apos;altro estremo.</source>
        <translation>Draws a Bezier curve by placing one end, two control points and the other end, one after another.</translation>
    </message>
    <message>
        <source>Disegna un poligono un vertice per clic; un secondo clic sull&apos;ultimo vertice lo chiude.</source>
        <translation>Draws a polygon one corner per click; a second click on the last corner closes it.</translation>
    </message>
    <message>
        <source>Disegna un&apos;ellisse trascinando il rettangolo che la contiene.</source>
        <translation>Draws an ellipse by dragging the rectangle that holds it.</translation>
    </message>
    <message>
        <source>Disegna un rettangolo trascinando da un angolo a quello opposto.</source>
        <translation>Draws a rectangle by dragging from one corner to the opposite one.</translation>
    </message>
    <message>
        <source>Inserisce nel disegno il simbolo scelto nell&apos;albero delle macro; il clic destro lo ruota.</source>
        <translation>Places in the drawing the symbol chosen in the macro tree; the right click turns it.</translation>
    </message>
    <message>
        <source>Disegna una pista di circuito stampato con lo spessore scelto.</source>
        <translation>Draws a printed circuit track with the chosen thickness.</translation>
    </message>
    <message>
        <source>Mette una piazzola di circuito stampato, rotonda o quadrata, col suo foro.</source>
        <translation>Places a printed circuit pad, round or square, with its hole.</translation>
    </message>
    <message>
        <source>Scrive il rame, la maschera, la serigrafia, il contorno e i fori della scheda in un archivio ZIP di file Gerber ed Excellon, come lo chiedono i produttori.</source>
        <translation>Writes the board&apos;s copper, solder mask, silkscreen, outline and holes into a ZIP archive of Gerber and Excellon files, as board makers ask for them.</translation>
    </message>
    <message>
        <source>Cerca nel disegno piste sottili, rame troppo vicino, fori e corone piccoli e rame fuori dal contorno, e li elenca nel pannello Regole.</source>
        <translation>Looks for thin tracks, copper too close, small holes and rings and copper outside the outline, and lists them in the Rules panel.</translation>
    </message>
    <message>
        <source>Aggiunge alla selezione le linee, le piste e le piazzole collegate agli oggetti selezionati, reti intere.</source>
        <translation>Adds the lines, tracks and pads connected to the selected objects to the selection, whole nets.</translation>
    </message>
</context>
<context>
    <name>Documenti</name>
    <message>
        <source>Documento Tavolin</source>
        <translation>Tavolin drawing</translation>
    </message>
    <message>
        <source>Macro Tavolin</source>
        <translation>Tavolin macro</translation>
    </message>
    <message>
        <source>Libreria Tavolin</source>
        <translation>Tavolin library</translation>
    </message>
</context>
<context>
    <name>Immagini</name>
    <message>
        <source>Bitmap files (*.bmp)</source>
        <translation>Bitmap files (*.bmp)</translation>
    </message>
    <message>
        <source>Immagini PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.emf)</source>
        <translation>Enhanced Metafile (*.emf)</translation>
    </message>
    <message>
        <source>Disegni SVG (*.svg)</source>
        <translation>SVG drawings (*.svg)</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Macro</name>
    <message>
        <source>Macro disponibili</source>
        <translation>Available macros</translation>
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
    <message>
        <source>Impossibile avviare la stampa.</source>
        <translation>Cannot start printing.</translation>
    </message>
    <message>
        <source>Il disegno e&apos; troppo grande per essere esportato.</source>
        <translation>The drawing is too large to be exported.</translation>
    </message>
    <message>
        <source>Impossibile preparare il file da esportare.</source>
        <translation>Cannot prepare the file to export.</translation>
    </message>
    <message>
        <source>Un file .%1 non si puo&apos; salvare in questa modalita&apos;: usare .bmp o .png, oppure scegliere la modalita&apos; &quot;Enhanced Metafile&quot;.</source>
        <translation>A .%1 file cannot be saved in this mode: use .bmp or .png, or choose the &quot;Enhanced Metafile&quot; mode.</translation>
    </message>
    <message>
        <source>Un file .%1 non si puo&apos; salvare in questa modalita&apos;: usare .emf, .svg o .pdf, oppure scegliere la modalita&apos; relativa o assoluta.</source>
        <translation>A .%1 file cannot be saved in this mode: use .emf, .svg or .pdf, or choose the relative or absolute mode.</translation>
    </message>
    <message>
        <source>Il formato .%1 non e&apos; supportato: usare .bmp o .png.</source>
        <translation>The .%1 format is not supported: use .bmp or .png.</translation>
    </message>
    <message>
        <source>Il formato .%1 non e&apos; supportato: usare .emf, .svg o .pdf.</source>
        <translation>The .%1 format is not supported: use .emf, .svg or .pdf.</translation>
    </message>
    <message>
        <source>--zoom vuole una percentuale da 10 a 2000: %1</source>
        <translation>--zoom needs a percentage from 10 to 2000: %1</translation>
    </message>
    <message>
        <source>--autosave-seconds vuole un numero di secondi da 1 a 86400: %1</source>
        <translation>--autosave-seconds needs a number of seconds from 1 to 86400: %1</translation>
    </message>
    <message>
        <source>--origin vuole due numeri interi X,Y: %1</source>
        <translation>--origin needs two whole numbers X,Y: %1</translation>
    </message>
    <message>
        <source>opzione sconosciuta o senza valore: %1</source>
        <translation>unknown option or option without a value: %1</translation>
    </message>
    <message>
        <source>Il file contiene primitive su livelli inesistenti (fuori da 0-15), che nessun livello mostra: sono state conservate come sono.</source>
        <translation>The file holds primitives on layers that do not exist (outside 0-15), which no layer shows: they have been kept as they are.</translation>
    </message>
    <message>
        <source>Le modifiche non salvate andranno perse.</source>
        <translation>Unsaved changes will be lost.</translation>
    </message>
    <message>
        <source>Le modifiche non salvate andranno perse; Undo le riporta indietro.</source>
        <translation>Unsaved changes will be lost; Undo brings them back.</translation>
    </message>
    <message>
        <source>Non c&apos;e&apos; niente sui livelli del rame (1 e 2): nessun file scritto.</source>
        <translation>There is nothing on the copper layers (1 and 2): no file written.</translation>
    </message>
    <message>
        <source>Il contorno sul livello %1 e&apos; vuoto o non e&apos; chiuso: nessun file scritto.</source>
        <translation>The outline on layer %1 is empty or not closed: no file written.</translation>
    </message>
    <message>
        <source>Il disegno va oltre i 10 metri che i file Gerber possono descrivere: nessun file scritto.</source>
        <translation>The drawing reaches beyond the 10 metres Gerber files can describe: no file written.</translation>
    </message>
    <message>
        <source>Il valore di %1 deve essere una lunghezza in millimetri fino a 10, come 0.15.</source>
        <translation>The value of %1 must be a length in millimetres up to 10, such as 0.15.</translation>
    </message>
    <message>
        <source>File scritti in %1:</source>
        <translation>Files written to %1:</translation>
    </message>
    <message>
        <source>Pista sottile</source>
        <translation>Thin track</translation>
    </message>
    <message>
        <source>Distanza insufficiente</source>
        <translation>Clearance too small</translation>
    </message>
    <message>
        <source>Foro piccolo</source>
        <translation>Small hole</translation>
    </message>
    <message>
        <source>Corona sottile</source>
        <translation>Thin annular ring</translation>
    </message>
    <message>
        <source>Fori vicini</source>
        <translation>Holes too close</translation>
    </message>
    <message>
        <source>Rame vicino al bordo</source>
        <translation>Copper near the edge</translation>
    </message>
    <message>
        <source>Rame fuori dal contorno</source>
        <translation>Copper outside the outline</translation>
    </message>
    <message>
        <source>Contorno aperto</source>
        <translation>Open outline</translation>
    </message>
</context>
<context>
    <name>Proprieta</name>
    <message>
        <source>Si</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>(indeterminato)</source>
        <translation>(mixed)</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Testo</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Carattere</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Altezza</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Larghezza</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Angolo di rotazione</source>
        <translation>Rotation angle</translation>
    </message>
    <message>
        <source>Grassetto</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Corsivo</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Specchiato</source>
        <translation>Mirrored</translation>
    </message>
    <message>
        <source>Sottolineato</source>
        <translation>Underlined</translation>
    </message>
    <message>
        <source>Spessore</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Pieno</source>
        <translation>Filled</translation>
    </message>
    <message>
        <source>Diametro del foro</source>
        <translation>Hole diameter</translation>
    </message>
    <message>
        <source>Forma</source>
        <translation>Shape</translation>
    </message>
</context>
<context>
    <name>tavolin-cli</name>
    <message>
        <source>L&apos;opzione %s e&apos; ripetuta.</source>
        <translation>The option %s is repeated.</translation>
    </message>
    <message>
        <source>Manca il valore di %s.</source>
        <translation>The value of %s is missing.</translation>
    </message>
    <message>
        <source>Argomento non previsto: %s</source>
        <translation>Unexpected argument: %s</translation>
    </message>
    <message>
        <source>L&apos;opzione %s non vale per i file .%s.
</source>
        <translation>The option %s does not apply to .%s files.
</translation>
    </message>
    <message>
        <source>L&apos;opzione %s vale solo con --relative.
</source>
        <translation>The option %s applies only with --relative.
</translation>
    </message>
    <message>
        <source>L&apos;opzione %s non vale con --relative.
</source>
        <translation>The option %s does not apply with --relative.
</translation>
    </message>
    <message>
        <source>Il valore di %s deve essere un numero compreso tra %d e %d.
</source>
        <translation>The value of %s must be a number from %d to %d.
</translation>
    </message>
    <message>
        <source>Le opzioni --relative e --absolute si escludono a vicenda.
</source>
        <translation>The options --relative and --absolute exclude each other.
</translation>
    </message>
    <message>
        <source>Formato di uscita sconosciuto: usare .bmp, .emf, .png, .svg o .pdf.
</source>
        <translation>Unknown output format: use .bmp, .emf, .png, .svg or .pdf.
</translation>
    </message>
    <message>
        <source>Il valore di --as deve essere drawing o macro.
</source>
        <translation>The value of --as must be drawing or macro.
</translation>
    </message>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>Il valore di --size deve essere LxA, tra 100 e 20000 per lato.</source>
        <translation>The value of --size must be WxH, between 100 and 20000 on each side.</translation>
    </message>
    <message>
        <source>Formato di uscita sconosciuto: usare .png, .svg o .pdf.</source>
        <translation>Unknown output format: use .png, .svg or .pdf.</translation>
    </message>
    <message>
        <source>Il valore di --context deve essere un numero non negativo o all.</source>
        <translation>The value of --context must be a number not below zero, or all.</translation>
    </message>
    <message>
        <source>Il file %1 non e&apos; un disegno, una macro o una libreria.</source>
        <translation>The file %1 is not a drawing, a macro or a library.</translation>
    </message>
    <message>
        <source>Una libreria si confronta solo con un&apos;altra libreria.</source>
        <translation>A library can only be compared with another library.</translation>
    </message>
    <message>
        <source>Impossibile avviare xdg-open per %1.</source>
        <translation>Cannot start xdg-open for %1.</translation>
    </message>
    <message>
        <source>Il valore di --outline-layer deve essere un livello da 0 a 15.
</source>
        <translation>The value of --outline-layer must be a layer from 0 to 15.
</translation>
    </message>
    <message>
        <source>Impossibile scrivere %s: %s
</source>
        <translation>Cannot write %s: %s
</translation>
    </message>
</context>
</TS>
