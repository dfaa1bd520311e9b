// Every dialog dressed by the language file and the skin: the texts read, or
// the design texts when there is no file; the colours a skin gives, and only those.
#include "dialogtest.h"

#include "dialogs/connectiondialog.h"
#include "dialogs/frmresulttest.h"
#include "dialogs/frmwizard.h"
#include "dialogs/frmwizardvalues.h"

#include <memory>
#include <vector>

namespace {

using Make = std::unique_ptr<QDialog> (*)(const host::Skin *, const char *language);

template <class D>
std::unique_ptr<QDialog> make(const host::Skin *skin, const char *language)
{
    installReferenceObjectsOnce();
    auto dialog = std::make_unique<D>();
    dialog->gPathData = sourcePath("data");
    dialog->gInterfaceLanguage = language;
    dialog->gSkin = skin;
    return dialog;
}

TEST(Dressing, TextsComeFromTheLanguageFileOrStayAsDesigned)
{
    const struct
    {
        Make make;
        const char *language;
        std::vector<std::pair<const char *, const char *>> texts;   // control (see shownText), text
    } cases[] = {
        {make<frmResultTest>, "es",
         {{"", " Resultado de la prueba"}, {"lblValue", "Valor:"}, {"lblResult", "Resultado:"}, {"cmdOk", "&Aceptar"}}},
        {make<frmResultTest>, "xx", {{"", "Result Test"}, {"lblValue", "Value:"}}},
        {make<frmWizard>, "es",
         {{"", " Asistente de conexión a base de datos"}, {"lblQuery", "Consulta"}, {"cmdEditCnnString", "Editar..."},
          {"cmdCancel", "&Cancelar"}}},
        {make<frmWizard>, "xx", {{"", "Database Connection Wizard"}, {"lblQuery", "Query"}}},
        {make<frmWizardValues>, "es",
         {{"", " Asistente de condiciones"}, {"cmdOk", "&Aceptar"}, {"cmdCancel", "&Cancelar"},
          {"tip:cmdNewCondition", "Nueva condición"}}},
        {make<frmWizardValues>, "xx", {{"", "Conditions Wizard"}, {"cmdOk", "&Ok"}, {"tip:cmdNewCondition", ""}}},
        {make<ConnectionDialog>, "es",
         {{"", " Conexión a base de datos"}, {"cmdTestConnection", "&Probar"}, {"optDriver", "Cadena del controlador"}}},
    };
    for (const auto &c : cases) {
        ReportCapture capture;
        const auto dialog = c.make(nullptr, c.language);
        SCOPED_TRACE(dialog->metaObject()->className() + std::string(" ") + c.language);
        runModal(*dialog, [&](QDialog &shown) {
            for (const auto &[control, text] : c.texts)
                EXPECT_EQ(shownText(shown, control), QString(text)) << control;
        });
        EXPECT_TRUE(capture.boxes.isEmpty());
    }
}

struct Colour
{
    const char *control;   // "" is the dialog
    QPalette::ColorRole role;
    QColor expected;       // invalid: as designed
};

// The colours of `checks` that a dialog of `make` shows with `skin`.
std::vector<QColor> shownColours(Make make, const host::Skin *skin, const std::vector<Colour> &checks)
{
    std::vector<QColor> colours;
    const auto dialog = make(skin, "en");
    runModal(*dialog, [&](QDialog &shown) {
        for (const Colour &check : checks)
            colours.push_back((*check.control ? named(shown, check.control) : &shown)->palette().color(check.role));
    });
    return colours;
}

TEST(Dressing, SkinColoursReachTheirControlsOnlyWhenGiven)
{
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), grey(128, 128, 128), black(0, 0, 0), none;
    const auto result = [](QColor font, QColor form, QColor tab, QColor lblValueBack, QColor button) {
        return std::vector<Colour>{{"lblValue", QPalette::WindowText, font}, {"cmdOk", QPalette::ButtonText, font},
                                   {"", QPalette::Window, form},           {"panelResult", QPalette::Window, tab},
                                   {"lblValue", QPalette::Window, lblValueBack}, {"cmdOk", QPalette::Button, button}};
    };
    const auto conditions = [](QColor font, QColor form, QColor toolbar, QColor tab, QColor button) {
        return std::vector<Colour>{
            {"dtConditions", QPalette::Text, font},       {"cmdOk", QPalette::ButtonText, font},
            {"", QPalette::Window, form},                 {"panelToolbar", QPalette::Window, toolbar},
            {"cmdDeleteCondition", QPalette::Button, toolbar}, {"dtConditions", QPalette::Base, tab},
            {"panelContainer", QPalette::Window, tab},    {"cmdCancel", QPalette::Button, button}};
    };
    const struct
    {
        const char *name;
        Make make;
        bool skinned;   // false: no skin at all
        SkinColours colours;
        std::vector<Colour> checks;
    } cases[] = {
        {"result none", make<frmResultTest>, true, {}, result(none, none, none, none, none)},
        {"result all", make<frmResultTest>, true, {0x0000ff, 0x00ff00, -1, -1, 0xff0000, 0},
         result(red, green, blue, blue, black)},
        {"result members missing", make<frmResultTest>, true, {0x0000ff, Missing, -1, -1, Missing, 0},
         result(red, none, none, none, black)},
        {"result no skin", make<frmResultTest>, false, {0, 0, 0, 0, 0, 0}, result(none, none, none, none, none)},
        {"conditions none", make<frmWizardValues>, true, {}, conditions(none, none, none, none, none)},
        {"conditions all", make<frmWizardValues>, true, {0x0000ff, 0x00ff00, 0xff0000, -1, 0x808080, 0},
         conditions(red, green, blue, grey, black)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<QColor> designed = shownColours(c.make, nullptr, c.checks);
        const TestSkin skin(c.colours);
        const std::vector<QColor> shown = shownColours(c.make, c.skinned ? &skin : nullptr, c.checks);
        for (size_t i = 0; i < c.checks.size(); ++i)
            EXPECT_EQ(shown[i], c.checks[i].expected.isValid() ? c.checks[i].expected : designed[i])
                << c.checks[i].control << " role " << c.checks[i].role;
    }
}

} // namespace
