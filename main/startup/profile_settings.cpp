#include "profile_settings.h"

namespace zr {

namespace {

// Reads the fields of a profile file in their order, leaving a value as it was when its line
// is missing or its number cannot be read.
class ProfileReader {
public:
    explicit ProfileReader(const QByteArray& content) : m_reader(content) {}

    void line(QString& into) {
        if (auto text = m_reader.next_line())
            into = *text;
    }
    void text_field(QString& into) {
        if (auto text = m_reader.next_field())
            into = *text;
    }
    void number_field(NumberValue& into) {
        if (auto text = m_reader.next_field()) {
            bool valid = false;
            const NumberValue value = parse_number(*text, &valid);
            if (valid)
                into = value;
        }
    }
    void skip_field() { (void)m_reader.next_field(); }

private:
    DataFileReader m_reader;
};

} // namespace

bool is_new_profile(const QByteArray& file_content) {
    DataFileReader reader(file_content);
    (void)reader.next_line();
    return reader.next_line().value_or(QString()).isEmpty();
}

ProfileSettings new_profile_settings(const QString& name, QSizeF screen_twips) {
    ProfileSettings p;
    p.name = name;
    p.flags.fill(QStringLiteral("0"));
    const double width = screen_twips.width() * 0.85;
    p.width = width;
    p.height = screen_twips.height() * 0.82;
    p.top = screen_twips.height() * 0.05;
    p.left = screen_twips.width() - width - 480;
    p.window_state = 0;
    p.pane0_view = QStringLiteral("2");
    p.pane1_view = QStringLiteral("2");
    p.panel_width = width * 0.5;
    p.panel2_width = width * 0.3;
    p.reserved21 = screen_twips.width() * 0.5;
    p.reserved22 = screen_twips.width() * 0.3;
    p.toolbar_shown = QStringLiteral("1");
    p.status_bar_shown = QStringLiteral("1");
    return p;
}

ProfileSettings read_profile_lines(const QByteArray& file_content, ProfileSettings p) {
    ProfileReader r(file_content);
    r.line(p.name);
    for (QString& flag : p.flags)
        r.line(flag);
    r.number_field(p.left);
    r.number_field(p.top);
    r.number_field(p.width);
    r.number_field(p.height);
    r.number_field(p.window_state);
    r.text_field(p.pane0_view);
    r.text_field(p.pane1_view);
    r.number_field(p.panel_width);
    r.number_field(p.panel2_width);
    r.number_field(p.reserved21);
    r.number_field(p.reserved22);
    r.skip_field();
    r.text_field(p.second_pane);
    r.text_field(p.toolbar_shown);
    r.skip_field();
    r.text_field(p.status_bar_shown);
    r.text_field(p.menu_bar_ticked);
    r.line(p.line29);
    r.number_field(p.pane0_sort);
    r.number_field(p.pane1_sort);
    return p;
}

ProfileSettings read_profile_settings(const QByteArray& file_content, QSizeF screen_twips) {
    if (is_new_profile(file_content)) {
        QString name;
        ProfileReader(file_content).line(name);
        return new_profile_settings(name, screen_twips);
    }
    return read_profile_lines(file_content, ProfileSettings{});
}

QByteArray profile_file_bytes(const ProfileSettings& p) {
    QStringList lines;
    lines << p.name;
    for (const QString& flag : p.flags)
        lines << flag;
    lines << print_form(p.left) << print_form(p.top) << print_form(p.width) << print_form(p.height)
          << print_form(p.window_state) << p.pane0_view << p.pane1_view << print_form(p.panel_width)
          << print_form(p.panel2_width) << print_form(p.reserved21) << print_form(p.reserved22)
          << QStringLiteral("0") << p.second_pane << p.toolbar_shown << QStringLiteral("1")
          << p.status_bar_shown << p.menu_bar_ticked << p.line29 << print_form(p.pane0_sort)
          << print_form(p.pane1_sort) << QStringLiteral("0");
    return data_file_bytes(lines);
}

QString view_line(int list_view) {
    return list_view == 3 ? QStringLiteral("3") : QStringLiteral("2");
}

NumberValue sort_line(int sort_key) {
    if (sort_key >= 0 && sort_key <= 3)
        return sort_key;
    return std::nullopt;
}

} // namespace zr
