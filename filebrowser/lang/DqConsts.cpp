#include "filebrowser/lang/DqConsts.h"

#include <array>
#include <iterator>

namespace {

// Concrete languages, lnEnglish .. lnSpanish; a row holds them in that order.
constexpr std::size_t kTextLanguages = kLanguageCount - 1;

struct TTextRow {
  TStringKey key;
  std::array<std::string_view, kTextLanguages> texts;
};

// Every localized text, one row per key in key order. Blanks at either end,
// "&" access keys and stray quotes are part of the texts.
constexpr TTextRow kTextTable[] = {
    {TStringKey::MsgDrive,
     {{
         "Drive ",     // en
         "磁碟 ",      // zh-Hant
         "磁盘 ",      // zh-Hans
         "Schijf ",    // nl
         "Lecteur ",   // fr
         "Laufwerk ",  // de
         "Unità ",     // it
         "Dysk ",      // pl
         "Unidade ",   // pt
         "Jednotka ",  // sk
         "Unidad "     // es
     }}},
    {TStringKey::MsgFolderQuote,
     {{
         "Folder \"",     // en
         "資料夾 \"",     // zh-Hant
         "资料夹 \"",     // zh-Hans
         "Map \"",        // nl
         "Dossier \"",    // fr
         "Ordner \"",     // de
         "Cartella \"",   // it
         "Folder \"",     // pl
         "Pasta \"",      // pt
         "Priečinok \"",  // sk
         "Carpeta \""     // es
     }}},
    {TStringKey::MsgErrorPrefix,
     {{
         "ERROR - ",   // en
         "錯誤 - ",    // zh-Hant
         "错误 - ",    // zh-Hans
         "FOUT - ",    // nl
         "ERREUR - ",  // fr
         "Fehler - ",  // de
         "ERRORE - ",  // it
         "BŁĄD - ",    // pl
         "ERRO - ",    // pt
         "CHYBA - ",   // sk
         "ERROR - "    // es
     }}},
    {TStringKey::MsgFileWord,
     {{
         " file ",                            // en
         " 檔案 ",                            // zh-Hant
         " 文件 ",                            // zh-Hans
         " bestand ",                         // nl
         " le fichier  ",                     // fr
         "\" ist fehlgeschlagen mit Datei ",  // de
         " file ",                            // it
         " plik ",                            // pl
         " arquivo  ",                        // pt
         " súbor ",                           // sk
         " el fichero  "                      // es
     }}},
    {TStringKey::MsgFrom,
     {{
         "From  : ",  // en
         "從  : ",    // zh-Hant
         "从  : ",    // zh-Hans
         "Van  : ",   // nl
         "de  : ",    // fr
         "Von  : ",   // de
         "Da  : ",    // it
         "Z   : ",    // pl
         "De  : ",    // pt
         "Z  : ",     // sk
         "De  : "     // es
     }}},
    {TStringKey::MsgTo,
     {{
         "To     : ",    // en
         "到     : ",    // zh-Hant
         "到     : ",    // zh-Hans
         "Naar     : ",  // nl
         "à     : ",     // fr
         "Nach : ",      // de
         "A     : ",     // it
         "Do   : ",      // pl
         "Para     : ",  // pt
         "Do     : ",    // sk
         "A     : "      // es
     }}},
    {TStringKey::MsgCancel,
     {{
         "Cancel",      // en
         "取消",        // zh-Hant
         "取消",        // zh-Hans
         "Afbreken",    // nl
         "Annule",      // fr
         "&Abbrechen",  // de
         "Annulla",     // it
         "Anuluj",      // pl
         "Cancelar",    // pt
         "Zrušiť",      // sk
         "Cancelar"     // es
     }}},
    {TStringKey::MsgBrowse,
     {{
         "Browse",          // en
         "瀏覽",            // zh-Hant
         "浏览",            // zh-Hans
         "Verkennen",       // nl
         "Parcourir",       // fr
         "Ordner &wählen",  // de
         "Esplora",         // it
         "Przeglądaj",      // pl
         "Explorar",        // pt
         "Prehľadávať",     // sk
         "Explorar"         // es
     }}},
    {TStringKey::MsgCantPrefix,
     {{
         "ERROR - Can't ",              // en
         "錯誤- 無法 ",                 // zh-Hant
         "错误- 无法 ",                 // zh-Hans
         "FOUT - kan niet ",            // nl
         "ERREUR - Impossible de ",     // fr
         "Fehler - Dateioperation \"",  // de
         "ERRORE - Impossibile ",       // it
         "BŁĄD - \"",                   // pl
         "ERRO - impossível ",          // pt
         "CHYBA - Nie je možné ",       // sk
         "ERROR - No se puede "         // es
     }}},
    {TStringKey::MsgSpecifyDirectory,
     {{
         "Please specify a directory",          // en
         "請指定一個路徑",                      // zh-Hant
         "请指定一个路径",                      // zh-Hans
         "Geef svp directorie op",              // nl
         "SVP choisissez un répertoire",        // fr
         "Bitte wählen Sie ein Verzeichnis:",   // de
         "Specificare una cartella",            // it
         "Proszę wybrać miejsce docelowe ",     // pl
         "Por favor especifique uma pasta",     // pt
         "Prosím upresnite adresár",            // sk
         "Por favor especifique un directorio"  // es
     }}},
    {TStringKey::MsgInvalidDriveId,
     {{
         "Not a valid Drive ID",                         // en
         "不是有效的磁碟機代號",                         // zh-Hant
         "不是有效的磁盘机代号",                         // zh-Hans
         "Geen geldige drive ID",                        // nl
         "ID de lecteur non valide",                     // fr
         "Keine gültige Laufwerksbezeichnung!",          // de
         "Lettera di unità non valida",                  // it
         "Nie mogę zidentyfikować dysku, wybierz inny",  // pl
         "Não é uma letra de unidade válida",            // pt
         "ID jednotky nie je správne",                   // sk
         "No es una letra de unidad válida"              // es
     }}},
    {TStringKey::MsgDriveNotReady,
     {{
         "There is no disk in Drive or Drive is not ready",                      // en
         "磁碟機內沒有碟片，或磁碟機尚未待機",                                   // zh-Hant
         "磁盘机内没有碟片，或磁盘机尚未待机",                                   // zh-Hans
         "Er is geen disk in de drive of de drive is niet klaar",                // nl
         "Il n'y a pas de disque dans le lecteurou le lecteur n'est pas prêt.",  // fr
         "Kein Datenträger im Laufwerk oder Laufwerk nicht bereit!",             // de
         "Nessun disco nell'unità o unità non pronta",                           // it
         "Ten dysk jest tylko do odczytu",                                       // pl
         "Não há um disco na unidade ou a unidade não está preparada.",          // pt
         "Jednotka nie je pripravená, alebo sa v nej nenachádza disk",           // sk
         "No hay disco en la unidad o la unidad no está preparada."              // es
     }}},
    {TStringKey::MsgAlreadyExists,
     {{
         "already exists !",     // en
         "已經存在 !",           // zh-Hant
         "已经存在 !",           // zh-Hans
         "bestaat al !",         // nl
         "\" existe déjà !",     // fr
         " existiert bereits!",  // de
         "già esistente !",      // it
         "już istnieje",         // pl
         " já existe !",         // pt
         "už existuje !",        // sk
         "\" ya existe !"        // es
     }}},
    {TStringKey::MsgInvalidDirName,
     {{
         "Error - Invalid Directory Name",        // en
         "錯誤 - 無效的路徑名稱",                 // zh-Hant
         "错误 - 无效的路径名称",                 // zh-Hans
         "FOUT - verkeerde directorie naam",      // nl
         "Erreur - Nom de répertoire invalide",   // fr
         "Fehler - Ungültiger Verzeichnisname:",  // de
         "Errore - Nome cartella non valido",     // it
         "BŁĄD - Żle podano ścieżkę",             // pl
         "Erro - Nome da pasta não é válido",     // pt
         "Chyba - nepovolený názov adresára",     // sk
         "Error - nombre de carpeta no válido"    // es
     }}},
    {TStringKey::MsgRenameFolderQuery,
     {{
         "Do you want to rename the selected folder",             // en
         "你要更動這個資料夾的名稱嗎",                            // zh-Hant
         "你要更动这个资料夹的名称吗",                            // zh-Hans
         "Wilt u de geselecteerde map een ander naam geven",      // nl
         "Voulez-vous renommer le dossier sélectionné",           // fr
         "Wollen Sie den markierten Ordner umbenennen",           // de
         "Vuoi rinominare la cartella selezionata",               // it
         "Czy napewno chcesz zmienić nazwę wybranego foldera ?",  // pl
         "Deseja renomear a pasta selecionada",                   // pt
         "Želáte si premenovať vybraný adresár",                  // sk
         "Quiere renombrar la carpeta seleccionada"               // es
     }}},
    {TStringKey::MsgCantAddDrives,
     {{
         "Can't add drives",                          // en
         "無法加入磁碟機",                            // zh-Hant
         "无法加入磁盘机",                            // zh-Hans
         "Kan geen schijven toevoegen",               // nl
         "Impossible d'ajouter des lecteurs",         // fr
         "Hinzufügen von Laufwerken nicht möglich!",  // de
         "Impossibile aggiungere unità",              // it
         "Nie mogę dodać dysku",                      // pl
         "Não é possível adicionar unidades",         // pt
         "Nie je možné pridať jednotky",              // sk
         "No se pueden añadir unidades"               // es
     }}},
    {TStringKey::MsgNewFolder,
     {{
         "New Folder",       // en
         "新增資料夾",       // zh-Hant
         "新增资料夹",       // zh-Hans
         "Nieuwe map",       // nl
         "Nouveau Dossier",  // fr
         "Neuer Ordner",     // de
         "Nuova cartella",   // it
         "Nowy Folder",      // pl
         "Nova pasta",       // pt
         "Nový priečinok",   // sk
         "Nueva carpeta"     // es
     }}},
    {TStringKey::MsgInvalidFolderChars,
     {{
         "Folder Name contains invalid characters",                  // en
         "資料夾名稱中含有無效字元",                                 // zh-Hant
         "资料夹名称中含有无效字符",                                 // zh-Hans
         "De map naam bevat ongeldige letters",                      // nl
         "Le nom de dossier contient des caractères interdits",      // fr
         "Ordnername enthält ungültige Zeichen!",                    // de
         "Il nome della cartella contiene un carattere non valido",  // it
         "Żła nazwa folderu",                                        // pl
         "o nome da pasta contém caracteres inválidos.",             // pt
         "Názov priečinka obsahuje nepovolené znaky",                // sk
         "El nombre de la carpeta contiene caracteres inválidos."    // es
     }}},
    {TStringKey::MsgNotFound,
     {{
         "not found",         // en
         "找不到",            // zh-Hant
         "找不到",            // zh-Hans
         "niet gevonden",     // nl
         "pas trouvé",        // fr
         " nicht gefunden!",  // de
         "non trovato",       // it
         "nie znalazłem",     // pl
         "não encontrado",    // pt
         "nebol nájdený",     // sk
         "no encontrado"      // es
     }}},
    {TStringKey::MsgFileOpFailed,
     {{
         "File operation failed",                  // en
         "檔案作業失敗",                           // zh-Hant
         "文件作业失败",                           // zh-Hans
         "Bestands operatie mislukte",             // nl
         "L'opération sur le fichier a échoué",    // fr
         "Dateioperation ist fehlgeschlagen!",     // de
         "Operazione fallita",                     // it
         "Operacja na pliku nie udana",            // pl
         "Operação com arquivos falhou",           // pt
         "Operácia so súborom zlyhala",            // sk
         "La operación con el fichero ha fallado"  // es
     }}},
    {TStringKey::MsgReadOnly,
     {{
         "It's ReadOnly",                    // en
         "這是唯讀的",                       // zh-Hant
         "这是唯读的",                       // zh-Hans
         "Het is aleen-lezen",               // nl
         "Lecteur en Lecture Seule",         // fr
         "Die Datei ist schreibgeschützt!",  // de
         "E' in sola lettura",               // it
         "Plik \" jest tylko do odczytu",    // pl
         "Somente para leitura",             // pt
         "Je to iba na čítanie",             // sk
         "Es de sólo lectura"                // es
     }}},
    {TStringKey::MsgNoFileSelected,
     {{
         "No file(s) selected",               // en
         "沒有選到檔案",                      // zh-Hant
         "没有选到文件",                      // zh-Hans
         "Geen bestand(en) geselecteerd",     // nl
         "Pas de fichier sélectionné",        // fr
         "Keine Datei(en) markiert!",         // de
         "Nessun file selezionato",           // it
         "Nie wybrano pliku(ów)",             // pl
         "Não há pasta(s) selecionada(s)",    // pt
         "Nebol vybraný žiadny súbor",        // sk
         "No hay fichero(s) seleccionado(s)"  // es
     }}},
    {TStringKey::MsgSendToAnyFolder,
     {{
         "Send to any folder",             // en
         "傳送到其他資料夾",               // zh-Hant
         "传送到其他资料夹",               // zh-Hans
         "Stuur naar welke map dan ook",   // nl
         "Copier dans le dossier...",      // fr
         "An Ordner senden...",            // de
         "Invia alla cartella",            // it
         "Wyślij do następnego foldera ",  // pl
         "Enviar para a pasta",            // pt
         "Odoslať do priečinka",           // sk
         "Enviar a carpeta"                // es
     }}},
    {TStringKey::MsgEnterSendToPath,
     {{
         "Please enter the send_to path",                   // en
         "請輸入傳送的路徑",                                // zh-Hant
         "请输入传送的路径",                                // zh-Hans
         "Geef svp het doel pad",                           // nl
         "Veuillez donner le chemin de destination",        // fr
         "Bitte geben Sie den Zielpfad ein:",               // de
         "Inserire il percorso di destinazione",            // it
         "Proszę wybrać ścieżkę i nacisnąć Enter",          // pl
         "Por favor digite caminho da pasta de destino",    // pt
         "Prosím vložte celú cestu k zvolenému priečinku",  // sk
         "Por favor intruduzca la carpeta donde enviar"     // es
     }}},
    {TStringKey::MsgShortcutSaveFailed,
     {{
         "Error - PersistFile.Save failed",                     // en
         "錯誤 - PersistFile.Save 失敗",                        // zh-Hant
         "错误 - PersistFile.Save 失败",                        // zh-Hans
         "ERROR - herhaalde bestand.opslaan mislukte",          // nl
         "Erreur - Fichier protégé.L'enregistrement à échoué",  // fr
         "Verknüpfung konnte nicht erstellt werden!",           // de
         "Errore - PersistFile.Save fallito",                   // it
         "Błąd - PersistFile.Zapis nie powiódł się",            // pl
         "Erro - PersistFile.Save falhou",                      // pt
         "Chyba - zlyhalo PersistFile.Save",                    // sk
         "Error - PersistFile.Save falló"                       // es
     }}},
    {TStringKey::MsgTreeSize,
     {{
         "TREE SIZE",             // en
         "資料夾內容大小",        // zh-Hant
         "资料夹内容大小",        // zh-Hans
         "BOOM GROOTTE",          // nl
         "Taille de l'arbre",     // fr
         "BAUMGRÖßE",             // de
         "Capacità",              // it
         "POKAŻ DRZEWO",          // pl
         "Tamanho do diretório",  // pt
         "VEĽKOSŤ PODSTROMU",     // sk
         "TAMAÑO DEL ÁRBOL"       // es
     }}},
    {TStringKey::MsgAndAllSubFolders,
     {{
         "and all its Sub-Folders ",          // en
         "與其全部的子資料夾 ",               // zh-Hant
         "与其全部的子资料夹 ",               // zh-Hans
         "en alle-sub-mappen ",               // nl
         "et de tous ses sous-dossiers ",     // fr
         "und alle untergeordneten Ordner ",  // de
         "e tutte le sotto-cartelle ",        // it
         "oraz wszystkie jego Sub-Foldery",   // pl
         "e todas as sub-pastas ",            // pt
         "a všetky jeho podadresáre ",        // sk
         "y todas sus subcarpetas "           // es
     }}},
    {TStringKey::MnuTreeNewFolder,
     {{
         "&New Folder",       // en
         "新增子資料夾(&N)",  // zh-Hant
         "新增子资料夹(&N)",  // zh-Hans
         "&Nieuwe map",       // nl
         "&Nouveau Dossier",  // fr
         "&Neuer Ordner",     // de
         "&Nuova Cartella",   // it
         "Nowy &Folder",      // pl
         "&Nova pasta",       // pt
         "&Nový priečinok",   // sk
         "&Nueva carpeta"     // es
     }}},
    {TStringKey::MnuTreeRenameFolder,
     {{
         "&Rename Folder",         // en
         "更名資料夾(&R)",         // zh-Hant
         "更名资料夹(&R)",         // zh-Hans
         "&Geef map andere naam",  // nl
         "&Renommer le Dossier",   // fr
         "&Ordner umbenennen",     // de
         "&Rinomina Cartella",     // it
         "Zmiana &Nazwy Foldera",  // pl
         "&Renomear pasta",        // pt
         "Pre&menovať priečinok",  // sk
         "&Renombrar carpeta"      // es
     }}},
    {TStringKey::MnuTreeDeleteFolder,
     {{
         "&Delete Folder",        // en
         "刪除資料夾(&D)",        // zh-Hant
         "删除资料夹(&D)",        // zh-Hans
         "&Verwijer map",         // nl
         "&Effacer le Dossier",   // fr
         "Ordner &löschen",       // de
         "&Elimina Cartella",     // it
         "&Usuń Folder",          // pl
         "&Apagar pasta",         // pt
         "O&dstrániť priečinok",  // sk
         "&Borrar carpeta"        // es
     }}},
    {TStringKey::MnuTreeCut,
     {{
         "Cu&t",           // en
         "剪下(&T)",       // zh-Hant
         "剪下(&T)",       // zh-Hans
         "Knippen",        // nl
         "Cou&per",        // fr
         "&Ausschneiden",  // de
         "Ta&glia",        // it
         "Wyt&nij",        // pl
         "Cor&tar",        // pt
         "&Vystrihnúť",    // sk
         "Cor&tar"         // es
     }}},
    {TStringKey::MnuTreeCopy,
     {{
         "&Copy",       // en
         "複製(&C)",    // zh-Hant
         "复制(&C)",    // zh-Hans
         "&Kopiëren",   // nl
         "&Copier",     // fr
         "&Kopieren",   // de
         "&Copia",      // it
         "&Kopiuj",     // pl
         "&Copiar",     // pt
         "&Kopírovať",  // sk
         "&Copiar"      // es
     }}},
    {TStringKey::MnuTreePaste,
     {{
         "&Paste",     // en
         "貼上(&P)",   // zh-Hant
         "贴上(&P)",   // zh-Hans
         "&Plakken",   // nl
         "Co&ller",    // fr
         "&Einfügen",  // de
         "&Incolla",   // it
         "Wkl&ej",     // pl
         "Col&ar",     // pt
         "&Prilepiť",  // sk
         "&Pegar"      // es
     }}},
    {TStringKey::MnuTreeTreeSize,
     {{
         "Tree &Size",                 // en
         "資料夾大小(&S)",             // zh-Hant
         "资料夹大小(&S)",             // zh-Hans
         "Map grootte",                // nl
         "Taille de l'&arborescence",  // fr
         "Ordner&größe",               // de
         "&Dimensioni elenco",         // it
         "Pokaż &Drzewo",              // pl
         "Ta&manho do diretório",      // pt
         "Veľkosť pod&stromu",         // sk
         "Ta&maño del árbol"           // es
     }}},
    {TStringKey::MnuTreeFolderContents,
     {{
         "&Folder Contents",         // en
         "資料夾內容(&F)",           // zh-Hant
         "资料夹内容(&F)",           // zh-Hans
         "&Map inhoud",              // nl
         "&Contenu du Dossier",      // fr
         "Ordner&inhalt",            // de
         "Co&ntenuto Cartella",      // it
         "&Pokaż Treść Foldera",     // pl
         "C&onteúdo da pasta",       // pt
         "&Obsah priečinka",         // sk
         "C&ontenido de la carpeta"  // es
     }}},
    {TStringKey::MnuTreeMapDrive,
     {{
         "&Map Network Drive ...",         // en
         "連線網路磁碟機(&M)",             // zh-Hant
         "连机网络磁盘机(&M)",             // zh-Hans
         "&Map netwerk schijf ...",        // nl
         "&Connecter Lecteur Réseau ...",  // fr
         "Netzlaufwerk &verbinden...",     // de
         "Connetti &unità di rete...",     // it
         "Połącz z Dyskiem Sieciowym",     // pl
         "Con&ectar unidade de rede",      // pt
         "Pripo&jiť sieťový disk ...",     // sk
         "Con&ectar unidad de red"         // es
     }}},
    {TStringKey::MnuTreeDisconnectDrive,
     {{
         "Dis&Connect Network Drive",               // en
         "中斷網路磁碟機(&C)",                      // zh-Hant
         "中断网络磁盘机(&C)",                      // zh-Hans
         "Verbreek verbinding met netwerk schijf",  // nl
         "&Déconnecter Lecteur Réseau",             // fr
         "Netzlaufwerk &trennen...",                // de
         "Dis&connetti unità di rete",              // it
         "Rozłącz Dysk Sieciowy",                   // pl
         "De&sconectar unidade de rede",            // pt
         "Odpo&jiť sieťový disk",                   // sk
         "De&sconectar unidad de red"               // es
     }}},
    {TStringKey::MnuTreeProperty,
     {{
         "&Property",       // en
         "內容(&P)",        // zh-Hant
         "内容(&P)",        // zh-Hans
         "&Eigenschap",     // nl
         "&Propriétés",     // fr
         "Eigen&schaften",  // de
         "&Prorietà",       // it
         "&Właściwości",    // pl
         "&Propriedades",   // pt
         "Vl&astnosti",     // sk
         "&Propiedades"     // es
     }}},
    {TStringKey::MnuListOpen,
     {{
         "&Open",     // en
         "開啟(&O)",  // zh-Hant
         "开启(&O)",  // zh-Hans
         "&Open",     // nl
         "&Ouvrir",   // fr
         "Ö&ffnen",   // de
         "&Apri",     // it
         "&Otwórz",   // pl
         "&Abrir",    // pt
         "&Otvoriť",  // sk
         "&Abrir"     // es
     }}},
    {TStringKey::MnuListView,
     {{
         "&View",        // en
         "檢視(&V)",     // zh-Hant
         "检视(&V)",     // zh-Hans
         "&Beeld",       // nl
         "&Voir",        // fr
         "An&zeigen",    // de
         "&An&teprima",  // it
         "&Podgląd",     // pl
         "&Visualizar",  // pt
         "&Zobraziť",    // sk
         "&Ver"          // es
     }}},
    {TStringKey::MnuListSendTo,
     {{
         "Se&nd To",         // en
         "傳送到(&N)",       // zh-Hant
         "传送到(&N)",       // zh-Hans
         "&Versturen naar",  // nl
         "Co&pier dans",     // fr
         "Se&nden an",       // de
         "In&via a",         // it
         "Wyślij &do",       // pl
         "E&nviar para",     // pt
         "Odos&lať kam",     // sk
         "E&nviar a"         // es
     }}},
    {TStringKey::MnuListCut,
     {{
         "Cu&t",           // en
         "剪下(&T)",       // zh-Hant
         "剪下(&T)",       // zh-Hans
         "&Knippen",       // nl
         "C&ouper",        // fr
         "&Ausschneiden",  // de
         "Tagl&ia",        // it
         "Wyt&nij",        // pl
         "Cor&tar",        // pt
         "&Vystrihnúť",    // sk
         "Cor&tar"         // es
     }}},
    {TStringKey::MnuListCopy,
     {{
         "&Copy",       // en
         "複製(&C)",    // zh-Hant
         "复制(&C)",    // zh-Hans
         "K&opiëren",   // nl
         "&Copier",     // fr
         "&Kopieren",   // de
         "&Copia",      // it
         "&Kopiuj",     // pl
         "&Copiar",     // pt
         "&Kopírovať",  // sk
         "&Copiar"      // es
     }}},
    {TStringKey::MnuListPaste,
     {{
         "&Paste",     // en
         "貼上(&P)",   // zh-Hant
         "贴上(&P)",   // zh-Hans
         "&Plakken",   // nl
         "Co&ller",    // fr
         "&Einfügen",  // de
         "&Incolla",   // it
         "Wkl&ej",     // pl
         "Col&ar",     // pt
         "&Prilepiť",  // sk
         "&Pegar"      // es
     }}},
    {TStringKey::MnuListRename,
     {{
         "&Rename",         // en
         "更名(&R)",        // zh-Hant
         "更名(&R)",        // zh-Hans
         "&Naam wijzigen",  // nl
         "&Renommer",       // fr
         "&Umbenennen",     // de
         "&Rin&omina",      // it
         "&Zmiana Nazwy",   // pl
         "&Renomear",       // pt
         "Pre&menovať",     // sk
         "&Renombrar"       // es
     }}},
    {TStringKey::MnuListDelete,
     {{
         "&Delete",       // en
         "刪除(&D)",      // zh-Hant
         "删除(&D)",      // zh-Hans
         "&Verwijderen",  // nl
         "&Supprimer",    // fr
         "&Löschen",      // de
         "&Elimina",      // it
         "&Usuń",         // pl
         "&Apagar",       // pt
         "O&dstrániť",    // sk
         "&Borrar"        // es
     }}},
    {TStringKey::MnuListProperties,
     {{
         "&Properties",     // en
         "內容(&P)",        // zh-Hant
         "内容(&P)",        // zh-Hans
         "&Eigenschappen",  // nl
         "&Propriétés",     // fr
         "Eigen&schaften",  // de
         "&Proprietà",      // it
         "&Właściwości",    // pl
         "&Propriedades",   // pt
         "Vl&astnosti",     // sk
         "&Propiedades"     // es
     }}},
    {TStringKey::MnuListNewFolder,
     {{
         "&New Folder...",        // en
         "新增資料夾(&N)...",     // zh-Hant
         "新增资料夹(&N)...",     // zh-Hans
         "&Nieuwe map ...",       // nl
         "&Nouveau Dossier ...",  // fr
         "Neuer &Ordner",         // de
         "&Nuova Cartella...",    // it
         "Nowy &Folder",          // pl
         "&Nova pasta ...",       // pt
         "&Nový priečinok...",    // sk
         "&Nueva carpeta ..."     // es
     }}},
    {TStringKey::MnuListAnyFolder,
     {{
         "Any Folder ...",    // en
         "其他資料夾 ...",    // zh-Hant
         "其他资料夹 ...",    // zh-Hans
         "Elke map ...",      // nl
         "le Dossier ...",    // fr
         "Ordne&r...",        // de
         "Cartella ...",      // it
         "Następny Folder",   // pl
         "Para a pasta ...",  // pt
         "Priečinok ...",     // sk
         "Una carpeta ..."    // es
     }}},
    {TStringKey::MnuListClipboardContents,
     {{
         "Clipboard as Contents",                       // en
         "複製內容到剪貼簿",                            // zh-Hant
         "复制内容到剪贴簿",                            // zh-Hans
         "Klembord als inhoud",                         // nl
         "Contenu dans le Presse-Papier",               // fr
         "&Datei(en) an Zwischenablage",                // de
         "Copia il contenuto negli appunti",            // it
         "Zapisz jako Treść",                           // pl
         "Copiar conteúdo para área de transferência",  // pt
         "Schránka - obsah súboru",                     // sk
         "Copiar contenido al portapapeles"             // es
     }}},
    {TStringKey::MnuListClipboardFileName,
     {{
         "Clipboard as FileName",                             // en
         "複製檔名到剪貼簿",                                  // zh-Hant
         "复制档名到剪贴簿",                                  // zh-Hans
         "Klembord als bestandsnaam",                         // nl
         "Nom du fichier  dans le Presse-Papier",             // fr
         "Dateiname(n) an Z&wischenablage",                   // de
         "Copia il nome negli appunti",                       // it
         "Zapisz jako Nazwa Pliku",                           // pl
         "Copiar somente o nome para área de transferência",  // pt
         "Schránka - názov súboru",                           // sk
         "Copiar nombre del fichero al portapapeles"          // es
     }}},
    {TStringKey::MnuListDesktopShortcut,
     {{
         "DeskTop as ShortCut",               // en
         "在桌面建立捷徑",                    // zh-Hant
         "在桌面创建捷径",                    // zh-Hans
         "Bureaublad als snelkoppeling",      // nl
         "Comme Raccourci sur le Bureau",     // fr
         "&Verknüpfung auf den Desktop",      // de
         "Collegamento al Desktop",           // it
         "Utwórz Skrót na Pulpicie",          // pl
         "Área de Trabalhao como Atalho",     // pt
         "Pracovná plocha - vytvoriť odkaz",  // sk
         "Acceso directo al escritorio"       // es
     }}},
    {TStringKey::sColName,
     {{
         "Name",       // en
         "名稱",       // zh-Hant
         "名称",       // zh-Hans
         "Naam",       // nl
         "Nom",        // fr
         "Dateiname",  // de
         "Nome",       // it
         "Nazwa",      // pl
         "Nome",       // pt
         "Názov",      // sk
         "Nombre"      // es
     }}},
    {TStringKey::sColSize,
     {{
         "Size",      // en
         "大小",      // zh-Hant
         "大小",      // zh-Hans
         "Grootte",   // nl
         "Taille",    // fr
         "Größe",     // de
         "Capacità",  // it
         "Rozmiar",   // pl
         "Tamanho",   // pt
         "Veľkosť",   // sk
         "Tamaño"     // es
     }}},
    {TStringKey::sColType,
     {{
         "Type",  // en
         "類型",  // zh-Hant
         "类型",  // zh-Hans
         "Type",  // nl
         "Type",  // fr
         "Typ",   // de
         "Tipo",  // it
         "Typ",   // pl
         "Tipo",  // pt
         "Typ",   // sk
         "Tipo"   // es
     }}},
    {TStringKey::sColModified,
     {{
         "Modified",      // en
         "已修改",        // zh-Hant
         "已修改",        // zh-Hans
         "Gewijzigd op",  // nl
         "Date",          // fr
         "Geändert am",   // de
         "Modificato",    // it
         "Modyfikowany",  // pl
         "Modificado",    // pt
         "Zmenené",       // sk
         "Modificado"     // es
     }}},
    {TStringKey::sColAttr,
     {{
         "Attr",       // en
         "屬性",       // zh-Hant
         "属性",       // zh-Hans
         "Attr",       // nl
         "Attributs",  // fr
         "Attribute",  // de
         "Attributi",  // it
         "Atrybut",    // pl
         "Atributos",  // pt
         "Atribúty",   // sk
         "Attributos"  // es
     }}},
    {TStringKey::sColDiskSize,
     {{
         "Disk Size",       // en
         "磁碟容量",        // zh-Hant
         "磁盘容量",        // zh-Hans
         "Schijf groote",   // nl
         "Taille Disque",   // fr
         "Gesamtgröße",     // de
         "Capacità disco",  // it
         "Rozmiar Dysku",   // pl
         "Tamanho total",   // pt
         "Kapacita",        // sk
         "Tamaño total"     // es
     }}},
    {TStringKey::sColFreeSpace,
     {{
         "Free Space",       // en
         "剩餘空間",         // zh-Hant
         "剩余空间",         // zh-Hans
         "Vrije ruimte",     // nl
         "Espace libre",     // fr
         "Freier Speicher",  // de
         "Disponibile",      // it
         "Wolne Miejsce",    // pl
         "Espaço livre",     // pt
         "Voľné miesto",     // sk
         "Espacio libre"     // es
     }}},
    {TStringKey::sDrvUnknown,
     {{
         "Unknown",       // en
         "不明",          // zh-Hant
         "不明",          // zh-Hans
         "Onbekend",      // nl
         "Inconnu",       // fr
         "Unbekannt",     // de
         "Sconosciuto",   // it
         "Nieznany",      // pl
         "Desconhecido",  // pt
         "Neznámy typ",   // sk
         "Desconocido"    // es
     }}},
    {TStringKey::sDrvNotExist,
     {{
         "Not exist",       // en
         "不存在",          // zh-Hant
         "不存在",          // zh-Hans
         "Bestaat niet",    // nl
         "N'existe pas",    // fr
         "Nicht existent",  // de
         "Inesistente",     // it
         "Nie Istnieje",    // pl
         "Não existe",      // pt
         "Neexistuje",      // sk
         "No existe"        // es
     }}},
    {TStringKey::sDrvRemovable,
     {{
         "Removable Disk",        // en
         "可移除式磁碟",          // zh-Hant
         "可移除式磁盘",          // zh-Hans
         "Verwijderbare schijf",  // nl
         "Disque amovible",       // fr
         "Disketten-Laufwerk",    // de
         "Disco rimovibile",      // it
         "Dysk Wymienny",         // pl
         "Disco removível",       // pt
         "Vymeniteľný disk",      // sk
         "Disco extraible"        // es
     }}},
    {TStringKey::sDrvFixed,
     {{
         "Fixed Disk",        // en
         "本機磁碟",          // zh-Hant
         "本机磁盘",          // zh-Hans
         "Vaste schijf",      // nl
         "Disque Fixe",       // fr
         "Lokales Laufwerk",  // de
         "Disco locale",      // it
         "Dysk Stały",        // pl
         "Disco fixo",        // pt
         "Pevný disk",        // sk
         "Disco fijo"         // es
     }}},
    {TStringKey::sDrvNetwork,
     {{
         "Network Disk",    // en
         "網路磁碟機",      // zh-Hant
         "网络磁盘机",      // zh-Hans
         "Netwerk schijf",  // nl
         "Disque Réseau",   // fr
         "Netz-Laufwerk",   // de
         "Disco di rete",   // it
         "Dysk Sieciowy",   // pl
         "Disco de rede",   // pt
         "Sieťový disk",    // sk
         "Disco de red"     // es
     }}},
    {TStringKey::sDrvCdRom,
     {{
         "CD-ROM Disk",      // en
         "光碟機",           // zh-Hant
         "光碟机",           // zh-Hans
         "CD-ROM",           // nl
         "CD-ROM",           // fr
         "CD-ROM-Laufwerk",  // de
         "Disco CD-ROM",     // it
         "CD-ROM Dysk",      // pl
         "CD-ROM",           // pt
         "CD-ROM",           // sk
         "CD-ROM"            // es
     }}},
    {TStringKey::sDrvRamDisk,
     {{
         "RAM Disk",      // en
         "虛擬磁碟機",    // zh-Hant
         "虚盘机",        // zh-Hans
         "RAM schijf",    // nl
         "RAM Disk",      // fr
         "RAM-Laufwerk",  // de
         "Disco RAM",     // it
         "RAM Dysk",      // pl
         "Disco RAM",     // pt
         "RAM disk",      // sk
         "Disco RAM"      // es
     }}},
};

constexpr bool RowsFollowKeyOrder() {
  for (std::size_t i = 0; i < std::size(kTextTable); ++i) {
    if (static_cast<std::size_t>(kTextTable[i].key) != i) return false;
  }
  return true;
}

static_assert(std::size(kTextTable) == kStringKeyCount, "one row per string key");
static_assert(RowsFollowKeyOrder(), "rows must be in key order");

}  // namespace

std::string_view LanguageText(TStringKey key, TLanguage lang) noexcept {
  const auto row = static_cast<std::size_t>(key);
  if (row >= kStringKeyCount || !IsConcreteLanguage(lang)) return {};
  return kTextTable[row].texts[static_cast<std::size_t>(lang) - 1];
}

std::string_view DriveTypeName(TLanguage lang, int driveType) noexcept {
  constexpr int kFirst = static_cast<int>(TStringKey::sDrvUnknown);
  constexpr int kLast = static_cast<int>(TStringKey::sDrvRamDisk);
  if (driveType < 0 || driveType > kLast - kFirst) return {};
  return LanguageText(static_cast<TStringKey>(kFirst + driveType), lang);
}
