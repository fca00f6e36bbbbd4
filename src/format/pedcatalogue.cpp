#include "format/pedcatalogue.h"

const QStringList &pedCatalogue()
{
    // clang-format off
    static const QStringList names{
        "st_man",     "st_wom",      "fan_man1",    "fan_man2",   "fan_wom",   "stud_man",
        "stud_wom",   "shopper1",    "shopper2",    "shopper3",   "hos_man",   "hos_wom",
        "b_man1",     "b_man2",      "b_man3",      "b_wom1",     "b_wom2",    "b_wom3",
        "mod_man",    "mod_wom",     "const1",      "const2",     "docker1",   "docker2",
        "ct_man1",    "ct_man2",     "ct_wom1",     "ct_wom2",    "male01",    "male02",
        "male03",     "p_man1",      "p_man2",      "p_wom1",     "p_wom2",    "li_man1",
        "li_man2",    "li_wom1",     "li_wom2",     "cas_man",    "cas_wom",   "fatmale01",
        "fatmale02",  "female01",    "female02",    "female03",   "fatfemale01", "fatfemale02",
        "worker1",    "worker2",     "scum_man",    "scum_wom",   "criminal01", "criminal02",
        "pimp",       "prostitute",  "prostitute2",
    };
    // clang-format on
    return names;
}

bool catalogueContains(const QString &name)
{
    return pedCatalogue().contains(name, Qt::CaseSensitive);
}
