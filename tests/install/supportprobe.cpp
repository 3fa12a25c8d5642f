// trellis_supportprobe: prints the support contacts the program was built with, one a line (web
// page, e-mail address, telephone number). The install test builds it in configurations of its
// own, so what a build setting gives the program is checked without building all of it.

#include "platform/supportcontacts.h"

#include <QTextStream>

int main()
{
    const platform::SupportContacts contacts = platform::builtSupportContacts();
    QTextStream out(stdout);
    out << contacts.url << '\n' << contacts.email << '\n' << contacts.phone << '\n';
    return 0;
}
