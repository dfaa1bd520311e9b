// Every dialog dressed by the language file and the skin: the texts read, or
// the design texts when there is no file; the colours a skin gives, and only those.
#include "dialogtest.h"

#include "dialogs/connectiondialog.h"
#include "dialogs/frmresulttest.h"
#include "dialogs/frmwizard.h"
#include "dialogs/frmwizardvalues.h"

#include <vector>

namespace {

using Show = bool (*)(const host::Skin *, const char *language, const std::function<void(QDialog &)> &look);

// Shows a D dressed by `skin` and `language` and runs `look` on it; false when it showed a message.
template <class D>
bool show(const host::Skin *skin, const char *language, const std::function<void(QDialog &)> &look)
{
    Tested<D> t(language);
    t.dialog.gSkin = skin;
    t.run(look);
    return t.capture.boxes.isEmpty();
}

TEST(Dressing, TextsComeFromTheLanguageFileOrStayAsDesigned)
{
    const struct
    {
        Show show;
        const char *language;
        std::vector<std::pair<const char *, const char *>> texts;   // control (see shownText), text
    } cases[] = {
        {show<frmResultTest>, "es",
         {{"", " Resultado de la prueba"}, {"lblValue", "Valor:"}, {"lblResult", "Resultado:"}, {"cmdOk", "&Aceptar"}}},
        {show<frmResultTest>, "xx", {{"", "Result Test"}, {"lblValue", "Value:"}}},
        {show<frmWizard>, "es",
         {{"", " Asistente de conexión a base de datos"}, {"lblQuery", "Consulta"}, {"cmdEditCnnString", "Editar..."},
          {"cmdCancel", "&Cancelar"}}},
        {show<frmWizard>, "xx", {{"", "Database Connection Wizard"}, {"lblQuery", "Query"}}},
        {show<frmWizardValues>, "es",
         {{"", " Asistente de condiciones"}, {"cmdOk", "&Aceptar"}, {"cmdCancel", "&Cancelar"},
          {"tip:cmdNewCondition", "Nueva condición"}}},
        {show<frmWizardValues>, "xx", {{"", "Conditions Wizard"}, {"cmdOk", "&Ok"}, {"tip:cmdNewCondition", ""}}},
        {show<ConnectionDialog>, "es",
         {{"", " Conexión a base de datos"}, {"cmdTestConnection", "&Probar"},
          {"optDriver", "Cadena del controlador"}}},
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(c.show(nullptr, c.language, [&](QDialog &shown) {
            for (const auto &[control, text] : c.texts)
                EXPECT_EQ(shownText(shown, control), text) << shown.metaObject()->className() << " " << control;
        }));
    }
}

struct Colour
{
    const char *control;   // "" is the dialog
    QPalette::ColorRole role;
    long SkinColours::*given;
};

// The colours of `checks` that a dialog of `show` shows with `skin`.
std::vector<QColor> shownColours(Show show, const host::Skin *skin, const std::vector<Colour> &checks)
{
    std::vector<QColor> colours;
    show(skin, "en", [&](QDialog &shown) {
        for (const Colour &check : checks)
            colours.push_back((*check.control ? named(shown, check.control) : &shown)->palette().color(check.role));
    });
    return colours;
}

TEST(Dressing, SkinColoursReachTheirControlsOnlyWhenGiven)
{
    using S = SkinColours;
    const std::vector<Colour> result = {
        {"lblValue", QPalette::WindowText, &S::font}, {"cmdOk", QPalette::ButtonText, &S::font},
        {"", QPalette::Window, &S::form},             {"panelResult", QPalette::Window, &S::tab},
        {"lblValue", QPalette::Window, &S::tab},      {"cmdOk", QPalette::Button, &S::button}};
    const std::vector<Colour> conditions = {
        {"dtConditions", QPalette::Text, &S::font},          {"cmdOk", QPalette::ButtonText, &S::font},
        {"", QPalette::Window, &S::form},                    {"panelToolbar", QPalette::Window, &S::toolbar},
        {"cmdDeleteCondition", QPalette::Button, &S::toolbar}, {"dtConditions", QPalette::Base, &S::tab},
        {"panelContainer", QPalette::Window, &S::tab},       {"cmdCancel", QPalette::Button, &S::button}};
    const struct
    {
        Show show;
        const std::vector<Colour> &checks;
        bool skinned;   // false: no skin at all
        SkinColours colours;
    } cases[] = {
        {show<frmResultTest>, result, true, {}},
        {show<frmResultTest>, result, true, {0x0000ff, 0x00ff00, -1, -1, 0xff0000, 0}},
        {show<frmResultTest>, result, true, {0x0000ff, Missing, -1, -1, Missing, 0}},
        {show<frmResultTest>, result, false, {0, 0, 0, 0, 0, 0}},
        {show<frmWizardValues>, conditions, true, {}},
        {show<frmWizardValues>, conditions, true, {0x0000ff, 0x00ff00, 0xff0000, -1, 0x808080, 0}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(&c - cases);
        const std::vector<QColor> designed = shownColours(c.show, nullptr, c.checks);
        const TestSkin skin(c.colours);
        const std::vector<QColor> shown = shownColours(c.show, c.skinned ? &skin : nullptr, c.checks);
        for (size_t i = 0; i < c.checks.size(); ++i) {
            const long given = c.skinned ? c.colours.*c.checks[i].given : -1;   // 0xBBGGRR
            EXPECT_EQ(shown[i], given > -1 ? QColor(given & 0xff, given >> 8 & 0xff, given >> 16 & 0xff) : designed[i])
                << c.checks[i].control << " role " << c.checks[i].role;
        }
    }
}

} // namespace
