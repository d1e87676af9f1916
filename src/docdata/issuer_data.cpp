#include "docdata/issuer_data.h"

TDatiGlobali IssuerData;
