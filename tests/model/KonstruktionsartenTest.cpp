#include "model/Konstruktionsarten.h"

#include <gtest/gtest.h>

#include <string>

using namespace kalvorin;

// The table is read by every layer in place of its own switch on the code:
// a row per code, in order, and each row consistent with what the code is.
TEST(Konstruktionsarten, OneRowPerCodeInOrderUnderItsFileName) {
    for (int i = 0; i < AnzahlEntstehungsarten; ++i) {
        const TKonstruktionsangaben* k = Konstruktionsangaben(i);
        ASSERT_NE(k, nullptr) << i;
        EXPECT_EQ(static_cast<int>(k->Code), i);
        EXPECT_EQ(&Konstruktionsangaben(k->Code), k);
        EXPECT_EQ(EntstehungsartName(i), k->Name);
        EXPECT_FALSE(k->Name.empty()) << i;
        EXPECT_FALSE(k->Schritt.Verb.empty()) << k->Name;
    }
    EXPECT_EQ(Konstruktionsangaben(-1), nullptr);
    EXPECT_EQ(Konstruktionsangaben(AnzahlEntstehungsarten), nullptr);
    EXPECT_EQ(EntstehungsartName(AnzahlEntstehungsarten), "");
}

TEST(Konstruktionsarten, OperandsRolesAndDescriptionFitEachOther) {
    for (const TKonstruktionsangaben& k : Konstruktionsarten) {
        const std::string name(k.Name);
        const bool ohne = k.Operanden[0] == TOperand::Keiner;
        // A code without operands (none, the reserved ones) reads back as
        // no derivation and is never described.
        EXPECT_EQ(ohne, k.Beschreibung.empty()) << name;
        // An image names its mapping's element first and uses its role;
        // nothing else uses a role.
        EXPECT_EQ(k.Abbildung, k.Rolle >= 0) << name;
        EXPECT_EQ(IstAbbildungsEntstehung(k.Code), k.Abbildung) << name;
        if (k.Abbildung) {
            EXPECT_EQ(k.Operanden[0], TOperand::Name) << name;
            EXPECT_NE(k.Beschreibung.find("{o}"), std::string_view::npos) << name;
        }
        for (int i = 0; i < 3; ++i) {
            const std::string platz = std::to_string(i + 1);
            const bool genannt = k.Beschreibung.find("{" + platz + "}") != std::string_view::npos;
            const bool gezahlt = k.Beschreibung.find(platz + "}") != std::string_view::npos;
            // A field of the description reads an operand the file holds,
            // of the type the file holds there.
            if (genannt) {
                EXPECT_EQ(k.Operanden[i], TOperand::Name) << name << " " << platz;
            } else if (gezahlt) {
                EXPECT_EQ(k.Operanden[i], TOperand::Zahl) << name << " " << platz;
            }
            // Only a name can be required.
            if (k.Pflicht & (1 << i)) {
                EXPECT_EQ(k.Operanden[i], TOperand::Name) << name << " " << platz;
            }
        }
    }
}
