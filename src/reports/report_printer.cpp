#include "reports/report_printer.h"

void ReportPrinter::cmdPrint_Click() {}

void ReportPrinter::cmdIsPrint_Click() {}

void ReportPrinter::cmdCapitalPrint_Click() {}

void ReportPrinter::cmdPrintBs_Click() {}
