// Built only by the kc_logic_refuses_qt test, which expects this to fail.
#include <QString>
