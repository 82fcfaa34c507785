#include "calc/standardworms.h"

#include <QCoreApplication>

// GB/T 10085-1988, "Cylindrical worm gearing, basic parameters", Table 1: the module and the
// worm's pitch diameter d1 recommended together, for every number of starts.
QList<StandardWorm> standardWorms() {
    return {
        {1, 18},      {1.25, 20}, {1.25, 22.4}, {1.6, 20},   {1.6, 28},   {2, 18},     {2, 22.4},
        {2, 28},      {2, 35.5},  {2.5, 22.4},  {2.5, 28},   {2.5, 35.5}, {2.5, 45},   {3.15, 28},
        {3.15, 35.5}, {3.15, 45}, {3.15, 56},   {4, 31.5},   {4, 40},     {4, 50},     {4, 71},
        {5, 40},      {5, 50},    {5, 63},      {5, 90},     {6.3, 50},   {6.3, 63},   {6.3, 80},
        {6.3, 112},   {8, 63},    {8, 80},      {8, 100},    {8, 140},    {10, 71},    {10, 90},
        {10, 112},    {10, 160},  {12.5, 90},   {12.5, 112}, {12.5, 140}, {12.5, 200}, {16, 112},
        {16, 140},    {16, 180},  {16, 250},    {20, 140},   {20, 160},   {20, 224},   {20, 315},
        {25, 180},    {25, 200},  {25, 280},    {25, 400},
    };
}

QString standardWormsSource() {
    return QCoreApplication::translate("Design", "GB/T 10085-1988, Tablo 1 (m ve d1)");
}
