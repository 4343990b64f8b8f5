#include "demo_adlari.h"

namespace rvz::sunucu::demo {

std::span<const ParcaTuru> ParcaTurleri() {
    static const ParcaTuru t[] = {
        {"FREN BALATASI", "FREN SİSTEMİ", "BALATA", "FREN", 850},
        {"FREN DİSKİ", "FREN SİSTEMİ", "DİSK", "FREN", 1450},
        {"FREN KALİPERİ", "FREN SİSTEMİ", "KALİPER", "FREN", 2900},
        {"FREN HORTUMU", "FREN SİSTEMİ", "HORTUM", "FREN", 320},
        {"YAĞ FİLTRESİ", "FİLTRE", "YAĞ FİLTRESİ", "BAKIM", 180},
        {"HAVA FİLTRESİ", "FİLTRE", "HAVA FİLTRESİ", "BAKIM", 240},
        {"POLEN FİLTRESİ", "FİLTRE", "POLEN FİLTRESİ", "BAKIM", 210},
        {"YAKIT FİLTRESİ", "FİLTRE", "YAKIT FİLTRESİ", "BAKIM", 390},
        {"AMORTİSÖR", "SÜSPANSİYON", "AMORTİSÖR", "ALT TAKIM", 2100},
        {"AMORTİSÖR TAKOZU", "SÜSPANSİYON", "TAKOZ", "ALT TAKIM", 450},
        {"SALINCAK", "SÜSPANSİYON", "SALINCAK", "ALT TAKIM", 1650},
        {"ROT BAŞI", "DİREKSİYON", "ROT", "ALT TAKIM", 520},
        {"ROT MİLİ", "DİREKSİYON", "ROT", "ALT TAKIM", 610},
        {"Z ROT", "SÜSPANSİYON", "ROT", "ALT TAKIM", 380},
        {"DEBRİYAJ SETİ", "ŞANZIMAN", "DEBRİYAJ", "MOTOR", 4800},
        {"DEBRİYAJ RULMANI", "ŞANZIMAN", "DEBRİYAJ", "MOTOR", 900},
        {"TRİGER SETİ", "MOTOR", "TRİGER", "MOTOR", 3200},
        {"TRİGER KAYIŞI", "MOTOR", "TRİGER", "MOTOR", 950},
        {"V KAYIŞI", "MOTOR", "KAYIŞ", "MOTOR", 260},
        {"DEVİRDAİM POMPASI", "SOĞUTMA", "POMPA", "MOTOR", 1350},
        {"TERMOSTAT", "SOĞUTMA", "TERMOSTAT", "MOTOR", 430},
        {"RADYATÖR", "SOĞUTMA", "RADYATÖR", "MOTOR", 3900},
        {"RADYATÖR HORTUMU", "SOĞUTMA", "HORTUM", "MOTOR", 290},
        {"BUJİ", "ATEŞLEME", "BUJİ", "ELEKTRİK", 150},
        {"ATEŞLEME BOBİNİ", "ATEŞLEME", "BOBİN", "ELEKTRİK", 1100},
        {"MARŞ MOTORU", "ELEKTRİK", "MARŞ", "ELEKTRİK", 5200},
        {"ŞARJ DİNAMOSU", "ELEKTRİK", "ALTERNATÖR", "ELEKTRİK", 6400},
        {"FAR AMPULÜ", "AYDINLATMA", "AMPUL", "ELEKTRİK", 95},
        {"STOP LAMBASI", "AYDINLATMA", "LAMBA", "ELEKTRİK", 1300},
        {"SİLECEK SÜPÜRGESİ", "KAPORTA", "SİLECEK", "AKSESUAR", 190},
        {"AYNA CAMI", "KAPORTA", "AYNA", "KAPORTA", 230},
        {"TAMPON BRAKETİ", "KAPORTA", "TAMPON", "KAPORTA", 340},
        {"EGZOZ SUSTURUCU", "EGZOZ", "SUSTURUCU", "MOTOR", 1750},
        {"KATALİTİK KONVERTÖR", "EGZOZ", "KATALİZÖR", "MOTOR", 8900},
        {"AKS KÖRÜĞÜ", "AKTARMA", "KÖRÜK", "ALT TAKIM", 210},
        {"AKS MİLİ", "AKTARMA", "AKS", "ALT TAKIM", 3600},
        {"TEKER RULMANI", "AKTARMA", "RULMAN", "ALT TAKIM", 720},
        {"MOTOR TAKOZU", "MOTOR", "TAKOZ", "MOTOR", 680},
        {"SUPAP KAPAK CONTASI", "MOTOR", "CONTA", "MOTOR", 310},
        {"SİLİNDİR KAPAK CONTASI", "MOTOR", "CONTA", "MOTOR", 890},
        {"ENJEKTÖR", "YAKIT", "ENJEKTÖR", "MOTOR", 3400},
        {"YAKIT POMPASI", "YAKIT", "POMPA", "MOTOR", 2700},
        {"KLİMA KOMPRESÖRÜ", "KLİMA", "KOMPRESÖR", "ELEKTRİK", 9800},
        {"KALORİFER MOTORU", "KLİMA", "FAN", "ELEKTRİK", 1600},
        {"ÖN CAM SUYU POMPASI", "KAPORTA", "POMPA", "AKSESUAR", 240},
        {"KAPI KİLİDİ", "KAPORTA", "KİLİT", "KAPORTA", 870},
        {"CAM KRİKOSU", "KAPORTA", "KRİKO", "KAPORTA", 1150},
        {"PARK SENSÖRÜ", "ELEKTRİK", "SENSÖR", "ELEKTRİK", 480},
        {"ABS SENSÖRÜ", "FREN SİSTEMİ", "SENSÖR", "FREN", 560},
        {"OKSİJEN SENSÖRÜ", "EGZOZ", "SENSÖR", "MOTOR", 1900},
    };
    return t;
}

std::span<const std::string_view> Markalar() {
    static const std::string_view m[] = {"DEMİRTAŞ",  "KARTALPARTS", "ÖZGÜVEN",    "TUNAMOTİV",
                                         "ASLANFREN", "YILDIZTEK",   "ERSANPARÇA", "MAVİŞİM",
                                         "ÇELİKOTO",  "BOZKURTPRO",  "GÜNEYTEK",   "ARMADA"};
    return m;
}

std::span<const std::string_view> Modeller() {
    static const std::string_view m[] = {"ATLAS 1.4",      "ATLAS 1.6 D",     "POYRAZ 1.3",
                                         "POYRAZ 1.5 DCİ", "YILDIZ 2.0",      "KARAYEL 1.2",
                                         "TOROS 1.6",      "TOROS 1.9 TDİ",   "KUZGUN 1.0 TURBO",
                                         "MERAL 1.4 LPG",  "SAKARYA 2.2 HDİ", "ÇINAR 1.6 VAN"};
    return m;
}

std::span<const std::string_view> Yonler() {
    static const std::string_view y[] = {"",       "ÖN",     "ARKA",     "SOL",     "SAĞ",
                                         "ÖN SOL", "ÖN SAĞ", "ARKA SOL", "ARKA SAĞ"};
    return y;
}

std::span<const std::string_view> Sehirler() {
    static const std::string_view s[] = {"İSTANBUL", "ANKARA",    "İZMİR",   "BURSA",
                                         "KONYA",    "ADANA",     "KAYSERİ", "ESKİŞEHİR",
                                         "SAMSUN",   "GAZİANTEP", "TRABZON", "DİYARBAKIR"};
    return s;
}

std::span<const std::string_view> FirmaAdlari() {
    static const std::string_view f[] = {"GÜVEN OTO YEDEK PARÇA", "ŞAHİN OTOMOTİV",    "ÇAĞLAR OTO",
                                         "ÖZKAN MOTOR",           "ERDEM YEDEK PARÇA", "IŞIK OTOMOTİV",
                                         "KOÇAK OTO SANAYİ",      "AYDIN PARÇA",       "YÜKSEL OTO",
                                         "DOĞAN OTOMOTİV",        "ÜNAL YEDEK PARÇA",  "BAŞARAN OTO"};
    return f;
}

} // namespace rvz::sunucu::demo
