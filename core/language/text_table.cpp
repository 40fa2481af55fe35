#include "core/language/text_table.h"

namespace q6 {

const std::array<TextRow, kTextRows> kTextTable = {{
    /* 0 */ {"Tessaro GmbH - quenDARIS - visualisation VRKA 6.1",
             "Tessaro GmbH - quenDARIS - Visualisierung VRKA 6.1",
             "Tessaro GmbH - quenDARIS - visualisering VRKA 6.1",
             "Tessaro GmbH - quenDARIS - visualisation VRKA 6.1",
             "Tessaro GmbH - quenDARIS - görselleştirme VRKA 6.1"},
    /* 1 */ {"dim profil", "Dimmprofil", "Dimmerprofil", "profil de gradation", "Karartma profili"},
    /* 2 */
    {"device setting", "Geräteeinstellung", "Enhetsinställning", "réglage de l'appareil",
     "Cihaz ayarı"},
    /* 3 */ {"configuration", "Konfiguration", "Konfigurering", "configuration", "Yapılandırma"},
    /* 4 */
    {"load configuration", "Konfiguration laden", "Ladda konfiguration", "charger la configuration",
     "Yapılandırmayı yükle"},
    /* 5 */
    {"save configuration", "Konfiguration speichern", "Spara konfiguration",
     "enregistrer la configuration", "Yapılandırmayı kaydet"},
    /* 6 */ {"options", "Optionen", "Alternativ", "options", "Seçenekler"},
    /* 7 */ {"language", "Sprache", "Språk", "langue", "Dil"},
    /* 8 */ {"german", "Deutsch", "Tyska", "allemand", "ALMANCA "},
    /* 9 */ {"english", "Englisch", "Engelsk", "anglais", "İNGİLİZCE "},
    /* 10 */ {"info", "Info", "Info", "info", "Bilgi"},
    /* 11 */ {"about VRK", "Über VRK", "Om VRK", "à propos de VRK", "VRK hakkında"},
    /* 12 */
    {"clock - controller", "Uhrzeit - Controller", "Klocka - styrenhet", "heure - contrôleur",
     "Saat - kontrolör"},
    /* 13 */ {"clock - pc", "Uhrzeit - Pc", "Klocka - PC", "heure - PC", "Saat - PC"},
    /* 14 */
    {"clock synchronize", "Uhrzeit synchr.", "Synkronisera klocka", "synchroniser l'heure",
     "Saati eşitle"},
    /* 15 */
    {"operation time - all:", "Betriebsdauer - Gesamt:", "Drifttid - totalt:",
     "temps de service - total :", "Çalışma süresi - toplam:"},
    /* 16 */
    {"operation time - dim:", "Betriebsdauer - Gedimmt:", "Drifttid - dimmad:",
     "temps de service - gradué :", "Çalışma süresi - kısılmış:"},
    /* 17 */
    {"operation time - actual:", "Betriebsdauer - Aktuell:", "Drifttid - aktuell:",
     "temps de service - actuel :", "Çalışma süresi - güncel:"},
    /* 18 */ {"data read", "Daten lesen", "Läs data", "lire les données", "Veri oku"},
    /* 19 */ {"data write", "Daten schreiben", "Skriv data", "écrire les données", "Veri yaz"},
    /* 20 */ {"operation", "Betrieb", "Drift", "fonctionnement", "Çalışma"},
    /* 21 */ {"time profile", "Zeitprofil", "Tidsprofil", "profil horaire", "Zaman profili"},
    /* 22 */ {"external", "Extern", "Externt", "externe", "Harici"},
    /* 23 */
    {"energy saving [%]", "Energieeinsparung [%]", "Energibesparing [%]", "économie d'énergie [%]",
     "Enerji tasarrufu [%]"},
    /* 24 */ {"nominal:", "Soll:", "Bör:", "consigne :", "Hedef:"},
    /* 25 */ {"actual:", "Ist:", "Är:", "réel :", "Gerçek:"},
    /* 26 */ {"fan on", "Lüfter an", "Fläkt på", "ventilateur en marche", "Fan açık"},
    /* 27 */ {"error", "Fehler", "Fel", "défaut", "Hata"},
    /* 28 */ {"DC-Link overvoltage fault", "Uz_Fehler", "Uz-fel", "défaut Uz", "Uz hatası"},
    /* 29 */
    {"overtemperature", "Übertemperatur", "Övertemperatur", "surchauffe", "Aşırı sıcaklık"},
    /* 30 */ {"short circuit", "Kurzschluss", "Kortslutning", "court-circuit", "Kısa devre"},
    /* 31 */ {"earth fault", "Erdschluss", "Jordfel", "défaut à la terre", "Toprak kaçağı"},
    /* 32 */ {"start fault", "Startfehler", "Startfel", "défaut de démarrage", "Başlatma hatası"},
    /* 33 */ {"permanent fault", "Dauerfehler", "Permanent fel", "défaut permanent", "Kalıcı hata"},
    /* 34 */
    {"diming profil: so-th night ", "Dimmprofil: So-Do Nacht ", "Dimmerprofil: sö-to natt ",
     "profil de gradation : nuit di-je ", "Karartma profili: Pz-Pe gecesi "},
    /* 35 */
    {"dimming period", "Dimmperiode", "Dimmerperiod", "période de gradation", "Karartma dönemi"},
    /* 36 */ {"period 1", "Periode 1", "Period 1", "période 1", "Dönem 1"},
    /* 37 */ {"period 2", "Periode 2", "Period 2", "période 2", "Dönem 2"},
    /* 38 */ {"period 3", "Periode 3", "Period 3", "période 3", "Dönem 3"},
    /* 39 */ {"dimming end", "Dimmende", "Dimmerslut", "fin de gradation", "Karartma sonu"},
    /* 40 */ {"time", "Zeit", "Tid", "heure", "Saat"},
    /* 41 */
    {"energy saving [%]", "Energieeinsparung [%]", "Energibesparing [%]", "économie d'énergie [%]",
     "Enerji tasarrufu [%]"},
    /* 42 */
    {"diming profil: fr/sa night ", "Dimmprofil: Fr/Sa Nacht ", "Dimmerprofil: fr/lö natt ",
     "profil de gradation : nuit ve/sa ", "Karartma profili: Cu/Ct gecesi "},
    /* 43 */
    {"dimming period", "Dimmperiode", "Dimmerperiod", "période de gradation", "Karartma dönemi"},
    /* 44 */ {"period 1", "Periode 1", "Period 1", "période 1", "Dönem 1"},
    /* 45 */ {"period 2", "Periode 2", "Period 2", "période 2", "Dönem 2"},
    /* 46 */ {"period 3", "Periode 3", "Period 3", "période 3", "Dönem 3"},
    /* 47 */ {"dimming end", "Dimmende", "Dimmerslut", "fin de gradation", "Karartma sonu"},
    /* 48 */ {"time", "Zeit", "Tid", "heure", "Saat"},
    /* 49 */
    {"energy saving [%]", "Energieeinsparung [%]", "Energibesparing [%]", "économie d'énergie [%]",
     "Enerji tasarrufu [%]"},
    /* 50 */ {"com activate", "COM aktivieren", "Aktivera COM", "activer COM", "COM etkinleştir"},
    /* 51 */ {"com active", "COM aktiv", "COM aktiverad", "COM actif", "COM etkin"},
    /* 52 */ {"information", "Information", "Information", "information", "Bilgi"},
    /* 53 */
    {"version information", "Versionsinformation", "Versionsuppgifter", "informations de version",
     "Sürüm bilgisi"},
    /* 54 */
    {"sw-version:", "SW-Version:", "SW-version:", "version logicielle :", "Yazılım sürümü:"},
    /* 55 */
    {"creation date:", "Erstellungsdatum:", "Skapandedatum:", "date de création :",
     "Oluşturma tarihi:"},
    /* 56 */ {"contact", "Kontakt", "Kontaktuppgifter", "contact", "İletişim"},
    /* 57 */ {"Tessaro GmbH", "Tessaro GmbH", "Tessaro GmbH", "Tessaro GmbH", "Tessaro GmbH"},
    /* 58 */ {"Lindenweg 14", "Lindenweg 14", "Lindenweg 14", "Lindenweg 14", "Lindenweg 14"},
    /* 59 */
    {"72770 Reutlingen (Germany)", "72770 Reutlingen", "72770 Reutlingen (Tyskland)",
     "72770 Reutlingen (Allemagne)", "72770 Reutlingen"},
    /* 60 */ {"tel:", "Tel:", "Tel:", "tél. :", "Tel:"},
    /* 61 */
    {"+49 7121 93 41 0", "+49 7121 93 41 0", "+49 7121 93 41 0", "+49 7121 93 41 0",
     "+49 7121 93 41 0"},
    /* 62 */ {"fax:", "Fax:", "Fax:", "fax :", "Faks:"},
    /* 63 */
    {"+49 7121 93 41 99", "+49 7121 93 41 99", "+49 7121 93 41 99", "+49 7121 93 41 99",
     "+49 7121 93 41 99"},
    /* 64 */
    {"www.tessaro-gmbh.de", "www.tessaro-gmbh.de", "www.tessaro-gmbh.de", "www.tessaro-gmbh.de",
     "www.tessaro-gmbh.de"},
    /* 65 */
    {"password request", "Passwortabfrage", "Lösenordsinmatning", "demande de mot de passe",
     "ŞİFRE GİRİŞİ "},
    /* 66 */
    {" Please, enter password!", " Bitte Passwort eingeben!", " Ange lösenord!",
     " Veuillez saisir le mot de passe !", " Lütfen şifreyi girin!"},
    /* 67 */ {"cancel", "Abbrechen", "Avbryt", "annuler", "İptal"},
    /* 68 */ {"ok", "Ok", "OK", "OK", "Tamam"},
    /* 69 */ {"START", "START", "START", "DÉMARRAGE", "BAŞLAT"},
    /* 70 */ {"RUN-UP", "ANLAUF", "UPPSTART", "MONTÉE", "BAŞLANGIÇ"},
    /* 71 */
    {"NORMAL OPERATION", "NORMALBETRIEB", "NORMAL DRIFT", "FONCTIONNEMENT NORMAL",
     "NORMAL ÇALIŞMA"},
    /* 72 */
    {"POWER REDUCTION", "LEISTUNGSREDUZIERUNG", "EFFEKTREDUCERING", "RÉDUCTION DE PUISSANCE",
     "GÜÇ AZALTMA"},
    /* 73 */ {"ERROR", "FEHLER", "FEL", "DÉFAUT", "HATA"},
    /* 74 */
    {"measured values ", "Messwerte ", "Mätvärden ", "valeurs mesurées ", "Ölçüm değerleri "},
    /* 75 */ {"Uz [V]", "Uz [V]", "Uz [V]", "Uz [V]", "Uz [V]"},
    /* 76 */ {"f actual [Hz]", "f Ist [Hz]", "f är [Hz]", "f réelle [Hz]", "f gerçek [Hz]"},
    /* 77 */
    {"heat sink temp1 [°C]", "KK Temp1 [°C]", "Kylfläns temp1 [°C]", "temp. radiateur 1 [°C]",
     "Soğutucu sıcaklığı 1 [°C]"},
    /* 78 */
    {"U ac actual [V]", "U AcIst [V]", "U ac är [V]", "U ac réelle [V]", "U ac gerçek [V]"},
    /* 79 */ {"f nominal [Hz]", "f Soll [Hz]", "f bör [Hz]", "f consigne [Hz]", "f hedef [Hz]"},
    /* 80 */
    {"heat sink temp2 [°C]", "KK Temp2 [°C]", "Kylfläns temp2 [°C]", "temp. radiateur 2 [°C]",
     "Soğutucu sıcaklığı 2 [°C]"},
    /* 81 */ {"limit values", "Grenzwerte", "Gränsvärden", "valeurs limites", "Sınır değerleri"},
    /* 82 */ {"fan on", "Lüfter an", "Fläkt på", "ventilateur en marche", "Fan açık"},
    /* 83 */ {"fan off", "Lüfter aus", "Fläkt av", "ventilateur arrêté", "Fan kapalı"},
    /* 84 */
    {"temp_err on", "Temp_Err an", "Temp_fel på", "défaut temp. activé", "Sıcaklık hatası açık"},
    /* 85 */
    {"temp_err off", "Temp_Err aus", "Temp_fel av", "défaut temp. désactivé",
     "Sıcaklık hatası kapalı"},
    /* 86 */
    {"U ac P_red on", "U ac P_red an", "U ac P_red på", "U ac P_red activé", "U ac P_red açık"},
    /* 87 */
    {"U ac P_red off", "U ac P_red aus", "U ac P_red av", "U ac P_red désactivé",
     "U ac P_red kapalı"},
    /* 88 */
    {"temp P_red on", "Temp P_red an", "Temp P_red på", "temp. P_red activé",
     "Sıcaklık P_red açık"},
    /* 89 */
    {"temp P_red off", "Temp P_red aus", "Temp P_red av", "temp. P_red désactivé",
     "Sıcaklık P_red kapalı"},
    /* 90 */
    {"start settings ", "Starteinstellungen ", "Startinställningar ", "réglages de démarrage ",
     "Başlatma ayarları "},
    /* 91 */
    {"start frequency [Hz]", "Startfrequenz [Hz]", "Startfrekvens [Hz]",
     "fréquence de démarrage [Hz]", "Başlangıç frekansı [Hz]"},
    /* 92 */ {"Hz", "Hz", "Hz", "Hz", "Hz"},
    /* 93 */
    {"burn-in [min]", "Einbrennen [min]", "Inbränning [min]", "rodage [min]", "Alıştırma [dk]"},
    /* 94 */ {"min", "min", "min", "min", "dk"},
    /* 95 */
    {"clock - controller", "Uhrzeit - Controller", "Klocka - styrenhet", "heure - contrôleur",
     "Saat - kontrolör"},
    /* 96 */
    {"summer time corr.", "Sommerzeitkorr.", "Sommartidskorr.", "corr. heure d'été",
     "Yaz saati düz."},
    /* 97 */
    {"(31.03. - 31.10.)", "(31.03. - 31.10.)", "(31.03. - 31.10.)", "(31.03. - 31.10.)",
     "(31.03. - 31.10.)"},
    /* 98 */ {"winter time", "Winterzeit", "Vintertid", "heure d'hiver", "Kış saati"},
    /* 99 */
    {"exit program?", "Programm Beenden?", "Avsluta programmet?", "quitter le programme ?",
     "Programdan çıkılsın mı?"},
    /* 100 */ {"U_red_on", "U_red_on", "U_red_on", "U_red_on", "U_red_on"},
    /* 101 */ {"com deactivate", "COM stoppen", "Stoppa COM", "arrêter COM", "COM durdur"},
    /* 102 */ {"clock", "Uhrzeit", "Klocka", "heure", "Saat"},
    /* 103 */
    {"fault memory ", "Fehlerspeicher ", "Felminne ", "mémoire des défauts ", "Hata belleği "},
    /* 104 */
    {"fault memory read", "Fehlerspeicher lesen", "Läs felminne", "lire la mémoire des défauts",
     "Hata belleğini oku"},
    /* 105 */
    {"fault memory clear", "Fehlerspeicher löschen", "Radera felminne",
     "effacer la mémoire des défauts", "Hata belleğini sil"},
    /* 106 */ {"Error", "Fehler", "Fel", "Défaut", "Hata"},
    /* 107 */ {"Date", "Zeitpunkt", "Tidpunkt", "Date", "Zaman"},
    /* 108 */ {"Nr.", "Nr.", "Nr", "N°", "No."},
    /* 109 */
    {"hw-version:", "HW-Version:", "HW-version:", "version matérielle :", "Donanım sürümü:"},
    /* 110 */
    {"reading hw-version", "Lese HW-Version", "Läser HW-version", "lecture version matérielle",
     "Donanım sürümü okunuyor"},
    /* 111 */ {"undervoltage", "Unterspannung", "Underspänning", "sous-tension", "Düşük gerilim"},
    /* 112 */
    {"run-up time [50 - 100 Hz] ", "Anfahrdauer [50 - 100 Hz] ", "Uppstartstid [50 - 100 Hz] ",
     "durée de montée [50 - 100 Hz] ", "Kalkış süresi [50 - 100 Hz] "},
    /* 113 */ {"darken [s]", "Verdunkeln [s]", "Mörkna [s]", "assombrir [s]", "Karartma [sn]"},
    /* 114 */ {"brighten [s]", "Erhellen [s]", "Ljusna [s]", "éclaircir [s]", "Aydınlatma [sn]"},
    /* 115 */
    {"hardware too old!", "Hardware zu alt!", "Hårdvaran är för gammal!", "matériel trop ancien !",
     "Donanım çok eski!"},
    /* 116 */ {"voltages ", "Spannungen ", "Spänningar ", "tensions ", "Gerilimler "},
    /* 117 */
    {"send values ", "Werte senden ", "Skicka värden ", "envoyer les valeurs ",
     "Değerleri gönder "},
    /* 118 */ {"calibration ", "Kalibrierung ", "Kalibrering ", "étalonnage ", "Kalibrasyon "},
    /* 119 */
    {"measured values ", "Messwerte ", "Mätvärden ", "valeurs mesurées ", "Ölçüm değerleri "},
    /* 120 */ {"calibration ", "Kalibrierung ", "Kalibrering ", "étalonnage ", "Kalibrasyon "},
    /* 121 */ {"voltages ", "Spannungen ", "Spänningar ", "tensions ", "Gerilimler "},
    /* 122 */
    {"calibration !!! ", "Kalibrierung !!! ", "Kalibrering !!! ", "étalonnage !!! ",
     "Kalibrasyon !!! "},
    /* 123 */
    {"voltage U ac [V] measured", "Spannung U Ac [V] gemessen", "Spänning U ac [V] uppmätt",
     "tension U ac [V] mesurée", "Ölçülen gerilim U ac [V]"},
    /* 124 */
    {"start voltage [V] ", "Startspannung [V] ", "Startspänning [V] ", "tension de démarrage [V] ",
     "Başlangıç gerilimi [V] "},
    /* 125 */
    {"nominal voltage [V] ", "Nennspannung [V] ", "Märkspänning [V] ", "tension nominale [V] ",
     "Anma gerilimi [V] "},
    /* 126 */
    {"send values ", "Werte senden ", "Skicka värden ", "envoyer les valeurs ",
     "Değerleri gönder "},
    /* 127 */
    {"1. conditions for a calibration:", "1. Bedingungen für eine Kalibrierung:",
     "1. Villkor för kalibrering:", "1. conditions pour un étalonnage :",
     "1. Kalibrasyon koşulları:"},
    /* 128 */
    {"a) active communication", "a) aktive Kommunikation", "a) aktiv kommunikation",
     "a) communication active", "a) etkin iletişim"},
    /* 129 */
    {"b) hardware revision > Rev. 13", "b) Hardwarestand > Rev. 13",
     "b) hårdvarurevision > Rev. 13", "b) révision matérielle > Rev. 13",
     "b) donanım revizyonu > Rev. 13"},
    /* 130 */
    {"c) frequency during calibration f = 50 Hz", "c) Frequenz bei der Kalibrierung f = 50 Hz",
     "c) frekvens vid kalibrering f = 50 Hz", "c) fréquence pendant l'étalonnage f = 50 Hz",
     "c) kalibrasyon sırasında frekans f = 50 Hz"},
    /* 131 */
    {"d) dimmer in state: \"normal operation\"", "d) Dimmer im Zustand: \"Normalbetrieb\"",
     "d) dimmer i läge: \"normal drift\"", "d) gradateur à l'état : \"fonctionnement normal\"",
     "d) dimmer durumu: \"normal çalışma\""},
    /* 132 */
    {"measure the dimmer's output voltage with a multimeter (rms value) ",
     "Ausgangsspannung des Dimmers per Multimeter messen (Effektivwert) ",
     "Mät dimmerns utspänning med multimeter (effektivvärde) ",
     "mesurer la tension de sortie du gradateur au multimètre (valeur efficace) ",
     "Dimmer çıkış gerilimini multimetre ile ölçün (efektif değer) "},
    /* 133 */
    {"enter the measured value in the box \"voltage U_AC measured\".",
     "Messwert in die Box \"Spannung U_AC gemessen\" eingeben.",
     "Ange mätvärdet i rutan \"Spänning U_AC uppmätt\".",
     "saisir la valeur mesurée dans le champ \"tension U_AC mesurée\".",
     "Ölçülen değeri \"Ölçülen gerilim U_AC\" kutusuna girin."},
    /* 134 */
    {"press button \"calibration !\"", "Button \"Kalibrierung !\" drücken",
     "Tryck på knappen \"Kalibrering !\"", "appuyer sur le bouton \"étalonnage !\"",
     "\"Kalibrasyon !\" düğmesine basın"},
    /* 135 */ {"step 1:", "Schritt 1:", "Steg 1:", "étape 1 :", "Adım 1:"},
    /* 136 */ {"step 2:", "Schritt 2:", "Steg 2:", "étape 2 :", "Adım 2:"},
    /* 137 */ {"step 3:", "Schritt 3:", "Steg 3:", "étape 3 :", "Adım 3:"},
    /* 138 */
    {"using calibration value: ", "Benutze Kalibrierwert: ", "Använder kalibreringsvärde: ",
     "valeur d'étalonnage utilisée : ", "Kullanılan kalibrasyon değeri: "},
    /* 139 */
    {"writing U_AC_Start ", "Schreibe U_AC_Start ", "Skriver U_AC_Start ", "écriture U_AC_Start ",
     "U_AC_Start yazılıyor "},
    /* 140 */
    {"writing nominal voltage UAc ", "Schreibe Nennspannung UAc ", "Skriver märkspänning UAc ",
     "écriture tension nominale UAc ", "Anma gerilimi UAc yazılıyor "},
    /* 141 */
    {"hardware can be calibrated.", "Hardware kann kalibriert werden.", "Hårdvaran kan kalibreras.",
     "le matériel peut être étalonné.", "Donanım kalibre edilebilir."},
    /* 142 */
    {"hardware revision: Rev. ", "Hardwarestand: Rev. ", "Hårdvarurevision: Rev. ",
     "révision matérielle : Rev. ", "Donanım revizyonu: Rev. "},
    /* 143 */
    {"hardware cannot be calibrated.    hardware revision <= Rev. 13",
     "Hardware kann nicht kalibriert werden.    Hardwarstand <= Rev. 13",
     "Hårdvaran kan inte kalibreras.    Hårdvarurevision <= Rev. 13",
     "le matériel ne peut pas être étalonné.    révision matérielle <= Rev. 13",
     "Donanım kalibre edilemez.    Donanım revizyonu <= Rev. 13"},
    /* 144 */
    {"hardware revision: Rev. ", "Hardwarestand: Rev. ", "Hårdvarurevision: Rev. ",
     "révision matérielle : Rev. ", "Donanım revizyonu: Rev. "},
    /* 145 */
    {"calibration value found: ", "Kalibrierwert gefunden: ", "Kalibreringsvärde hittat: ",
     "valeur d'étalonnage trouvée : ", "Kalibrasyon değeri bulundu: "},
    /* 146 */
    {"no calibration value found ! ", "Kein Kalibrierwert gefunden ! ",
     "Inget kalibreringsvärde hittat ! ", "aucune valeur d'étalonnage trouvée ! ",
     "Kalibrasyon değeri bulunamadı ! "},
    /* 147 */
    {"hardware cannot be calibrated.", "Hardware kann nicht kalibriert werden.",
     "Hårdvaran kan inte kalibreras.", "le matériel ne peut pas être étalonné.",
     "Donanım kalibre edilemez."},
    /* 148 */
    {"hardware revision: Rev. ", "Hardwarestand: Rev. ", "Hårdvarurevision: Rev. ",
     "révision matérielle : Rev. ", "Donanım revizyonu: Rev. "},
    /* 149 */
    {"frequency is not 50 Hz.", "Frequenz ist nicht 50 Hz.", "Frekvensen är inte 50 Hz.",
     "la fréquence n'est pas 50 Hz.", "Frekans 50 Hz değil."},
    /* 150 */
    {"dimmer not in normal operation", "Dimmer nicht im Normalbetrieb",
     "Dimmern är inte i normal drift", "gradateur pas en fonctionnement normal",
     "Dimmer normal çalışmada değil"},
    /* 151 */
    {"new calibration value: ", "Neuer Kalibrierwert: ", "Nytt kalibreringsvärde: ",
     "nouvelle valeur d'étalonnage : ", "Yeni kalibrasyon değeri: "},
    /* 152 */
    {"writing new calibration value ", "Schreibe neuen Kalibrierwert ",
     "Skriver nytt kalibreringsvärde ", "écriture nouvelle valeur d'étalonnage ",
     "Yeni kalibrasyon değeri yazılıyor "},
    /* 153 */
    {"writing U_AC_Start ", "Schreibe U_AC_Sart ", "Skriver U_AC_Start ", "écriture U_AC_Start ",
     "U_AC_Start yazılıyor "},
    /* 154 */
    {"writing U_AC_Nenn ", "Schreibe U_AC_Nenn ", "Skriver U_AC_Nenn ", "écriture U_AC_Nenn ",
     "U_AC_Nenn yazılıyor "},
    /* 155 */ {"address", "Adresse", "Adress", "adresse", "Adres"},
    /* 156 */ {"name", "Name", "Namn", "nom", "Ad"},
    /* 157 */
    {"value decimal", "Wert Dezimal", "Värde decimalt", "valeur décimale", "Değer ondalık"},
    /* 158 */ {"value hex", "Wert Hex", "Värde hex", "valeur hex", "Değer onaltılık"},
    /* 159 */ {"value binary", "Wert Binär", "Värde binärt", "valeur binaire", "Değer ikili"},
    /* 160 */
    {"value normalised", "Wert normiert", "Värde normerat", "valeur normalisée",
     "Değer normlanmış"},
    /* 161 */ {"", "", "", "", ""},
    /* 162 */
    {"dimming off", "Dimmen Aus", "Dimning av", "gradation désactivée", "Karartma kapalı"},
    /* 163 */ {"password", "Passwort", "Lösenord", "mot de passe", "Şifre"},
    /* 164 */ {"swedish", "Schwedisch", "Svenska", "suédois", "İSVEÇÇE "},
    /* 165 */ {"french", "Französisch", "Franska", "français", "FRANSIZCA "},
    /* 166 */
    {"short circuit / overload", "Kurzschluss / Überlast", "Kortslutning / överlast",
     "court-circuit / surcharge", "Kısa devre / aşırı yük"},
    /* 167 */
    {"STANDBY (synch)", "STANDBY (synch)", "STANDBY (synk)", "VEILLE (synchro)", "BEKLEME (senk.)"},
    /* 168 */ {"turkish", "Türkisch", "Turkisk", "turque", "TÜRKÇE "},
    /* 169 */
    {"concept fault", "Concept Fehler", "Concept-fel", "défaut Concept", "Concept hatası"},
    /* 170 */ {"iz fault", "iz Fehler", "iz-fel", "défaut iz", "iz hatası"},
    /* 171 */
    {"short circuit ac", "Kurzschluss ac", "Kortslutning ac", "court-circuit ac", "Kısa devre ac"},
    /* 172 */ {"chopper fault", "Chopper-Fehler", "Chopper-fel", "défaut hacheur", "Kıyıcı hatası"},
    /* 173 */
    {"overload fault", "Überlastfehler", "Överlastfel", "défaut de surcharge", "Aşırı yük hatası"},
    /* 174 */
    {"overtemp fault KK1", "Übertemperatur KK1", "Övertemperatur KK1", "surchauffe KK1",
     "Aşırı sıcaklık KK1"},
    /* 175 */
    {"overtemp fault KK2", "Übertemperatur KK2", "Övertemperatur KK2", "surchauffe KK2",
     "Aşırı sıcaklık KK2"},
    /* 176 */ {"fault memory", "Fehlerspeicher", "Felminne", "mémoire des défauts", "Hata belleği"},
    /* 177 */ {"power lim.", "Leistungsbegr.", "-177-", "-177-", "-177-"},
    /* 178 */ {"save error file", "Fehlerdatei speichern", "-178-", "-178-", "-178-"},
    /* 179 */ {"temperature lim.", "Temperaturbegr.", "-179-", "-179-", "-179-"},
    /* 180 */ {"pre-start voltage [V]", "Vor-Startspannung [V]", "-180-", "-180-", "-180-"},
    /* 181 */ {"pre-start ramp [s]", "Vor-Startrampe [s]", "-181-", "-181-", "-181-"},
    /* 182 */ {"start ramp [s]", "Startrampe [s]", "-182-", "-182-", "-182-"},
    /* 183 */ {"start voltage duration [s]", "Dauer Startspannung [s]", "-183-", "-183-", "-183-"},
    /* 184 */ {"re-ignition voltage [V]", "Nachzündspannung [V]", "-184-", "-184-", "-184-"},
    /* 185 */ {"re-ignition duration [s]", "Dauer Nachzünden [s]", "-185-", "-185-", "-185-"},
    /* 186 */ {"pot R36", "Poti R36", "-186-", "-186-", "-186-"},
    /* 187 */ {"analog", "Analog", "ABC", "ABC", "ABC"},
    /* 188 */ {"time to ", "Zeit zum ", "-188-", "-188-", "-188-"},
    /* 189 */ {"summer time correction", "Sommerzeitkorrektur", "-189-", "-189-", "-189-"},
    /* 190 */ {"activ", "aktiv", "-190-", "-190-", "-190-"},
    /* 191 */ {"operation modes", "Betriebsmodi", "-191-", "-191-", "-191-"},
    /* 192 */ {"cable net", "Kabelnetz", "-192-", "-192-", "-192-"},
    /* 193 */ {"overhead lines", "Freileitungsnetz", "-193-", "-193-", "-193-"},
    /* 194 */ {"special function", "Sonderfunktion", "-194-", "-194-", "-194-"},
    /* 195 */ {"overhead line switch-over", "Umschaltung Freileitung", "-195-", "-195-", "-195-"},
    /* 196 */ {"frequency [Hz]", "Frequenz [Hz]", "-196-", "-196-", "-196-"},
    /* 197 */ {"voltage [V]", "Spannung [V]", "-197-", "-197-", "-197-"},
    /* 198 */ {"OFFLINE", "OFFLINE", "-198-", "-198-", "-198-"},
    /* 199 */ {"BURN IN", "EINBRENNEN", "-199-", "-199-", "-199-"},
    /* 200 */ {" - COOL DOWN", " - ENTWÄRMUNG ", "-200-", "-200-", "-200-"},
    /* 201 */ {"NORMAL OPERATION", "NORMALBETRIEB ", "-201-", "-201-", "-201-"},
    /* 202 */ {"NORMAL OPERATION", "NORMALBETRIEB", "-202-", "-202-", "-202-"},
    /* 203 */ {"NORMAL OPERATION", "NORMALBETRIEB", "-203-", "-203-", "-203-"},
    /* 204 */ {"NORMAL OPERATION", "NORMALBETRIEB", "-204-", "-204-", "-204-"},
    /* 205 */ {"NORMAL OPERATION", "NORMALBETRIEB", "-205-", "-205-", "-205-"},
    /* 206 */ {"NORMAL OPERATION", "NORMALBETRIEB", "-206-", "-206-", "-206-"},
    /* 207 */ {"MANUELL", "MANUELL", "-207-", "-207-", "-207-"},
    /* 208 */ {"ERROR", "FEHLER", "-208-", "-208-", "-208-"},
    /* 209 */ {"CALIBRATION", "KALIBRIERUNG", "-209-", "-209-", "-209-"},
    /* 210 */ {"COMISSIONING", "INBETRIEBNAHME", "-210-", "-210-", "-210-"},
    /* 211 */ {"STANDBY", "STANDBY", "-211-", "-211-", "-211-"},
    /* 212 */ {"RESET", "RESET", "-212-", "-212-", "-212-"},
    /* 213 */ {"REGIME UNKNOWN", "REGIME UNBEKANNT", "-213-", "-213-", "-213-"},
    /* 214 */ {" (CABLE NET)", " (KABELNETZ)", "-214-", "-214-", "-214-"},
    /* 215 */ {" (OVERHAED LINE)", " (FREILEITUNGSNETZ)", "-215-", "-215-", "-215-"},
    /* 216 */ {" (SPECIAL FUNCTION)", " (SONDERFUNKTION)", "-216-", "-216-", "-216-"},
    /* 217 */ {" (TEMPERATURE REDUCTION)", " (TEMPERATURBEGRENZUNG)", "-217-", "-217-", "-217-"},
    /* 218 */ {" (POWER REDUCTION)", " (LEISTUNGSBEGRENZUNG)", "-218-", "-218-", "-218-"},
    /* 219 */ {"sens fault KK1", "Sensorfehler KK1", "-219-", "-219-", "-219-"},
    /* 220 */ {"sens fault KK2", "Sensorfehler KK2", "-220-", "-220-", "-220-"},
    /* 221 */ {"dim profil load", "Dimmprofil laden", "-221-", "-221-", "-221-"},
    /* 222 */ {"dim profil save", "Dimmprofil speichern", "-222-", "-222-", "-222-"},
    /* 223 */ {"-223-", "-223-", "-223-", "-223-", "-223-"},
    /* 224 */ {"configuration", "Konfiguration", "-224-", "-224-", "-224-"},
    /* 225 */ {"device settings load", "Geräteeinstellung laden", "-225-", "-225-", "-225-"},
    /* 226 */ {"device settings save", "Geräteeinstellung speichern", "-226-", "-226-", "-226-"},
    /* 227 */ {"device number: ", "Gerätenummer: ", "-227-", "-227-", "-227-"},
    /* 228 */
    {"This program support only quendaris-products with Version 6.x",
     "Diese Software unterstützt nur quendaris-Produkte der Version 6.x", "-228-", "-228-",
     "-228-"},
    /* 229 */ {"P-Value", "P-Wert", "-229-", "-229-", "-229-"},
    /* 230 */
    {"Please, first start communication!", "Bitte erst Kommunikation starten!", "-230-", "-230-",
     "-230-"},
    /* 231 */
    {"software version visualisation <> software version controller !",
     "Softwareversion Visualisierung <> Softwareversion Controller !", "-231-", "-231-", "-231-"},
    /* 232 */ {"continue anyway ?", "Trotzdem fortsetzen ?", "-232-", "-232-", "-232-"},
    /* 233 */
    {"please update pc software!", "Bitte Oberfläche updaten!", "-233-", "-233-", "-233-"},
    /* 234 */ {"U ac nominal", "U AcSoll", "-234-", "-234-", "-234-"},
    /* 235 */ {"U ac actual", "U AcIst", "-235-", "-235-", "-235-"},
    /* 236 */ {"-236-", "-236-", "-236-", "-236-", "-236-"},
    /* 237 */ {"-237-", "-237-", "-237-", "-237-", "-237-"},
    /* 238 */ {"-238-", "-238-", "-238-", "-238-", "-238-"},
    /* 239 */ {"-239-", "-239-", "-239-", "-239-", "-239-"},
    /* 240 */ {"-240-", "-240-", "-240-", "-240-", "-240-"},
    /* 241 */ {"-241-", "-241-", "-241-", "-241-", "-241-"},
    /* 242 */ {"-242-", "-242-", "-242-", "-242-", "-242-"},
    /* 243 */ {"-243-", "-243-", "-243-", "-243-", "-243-"},
    /* 244 */ {"-244-", "-244-", "-244-", "-244-", "-244-"},
    /* 245 */ {"-245-", "-245-", "-245-", "-245-", "-245-"},
    /* 246 */ {"-246-", "-246-", "-246-", "-246-", "-246-"},
    /* 247 */ {"-247-", "-247-", "-247-", "-247-", "-247-"},
    /* 248 */ {"-248-", "-248-", "-248-", "-248-", "-248-"},
    /* 249 */ {"-249-", "-249-", "-249-", "-249-", "-249-"},
    /* 250 */
    {"No permission: add the user to the group dialout (sudo usermod -aG dialout $USER) and log "
     "in again.",
     "Keine Berechtigung: den Benutzer in die Gruppe dialout aufnehmen (sudo usermod -aG dialout "
     "$USER) und neu anmelden.",
     "Behörighet saknas: lägg till användaren i gruppen dialout (sudo usermod -aG dialout $USER) "
     "och logga in igen.",
     "Autorisation refusée : ajouter l'utilisateur au groupe dialout (sudo usermod -aG dialout "
     "$USER) et se reconnecter.",
     "İzin yok: kullanıcıyı dialout grubuna ekleyin (sudo usermod -aG dialout $USER) ve yeniden "
     "oturum açın."},
}};

}  // namespace q6
