#pragma once
// The workstation's identity: program version, local and external address, internet status.
#include <QString>

namespace app {

// "ERRO AO RECUPERAR IP": what GetIPReal gives when the echo page does not answer.
QString erroRecuperarIp();

// major.minor.release.build of the program as built; empty when the build carries no version.
QString VersaoExe();
// Parses a "a.b.c.d" version into the same text; empty unless it has four numbers.
QString versaoFormatada(const QString &versao);

// The IPv4 address(es) the computer's host name resolves to: the first, or all joined by ",";
// empty when the name does not resolve.
QString GetLocalIP(bool todos = false);

// How long the echo page may take before the address counts as not obtainable.
constexpr int kTempoLimiteIpMs = 5000;

// The address as seen from the internet: one GET of the installation's IP-echo page, keeping only
// digits and dots; "ERRO AO RECUPERAR IP" on any error or after the time-out.
QString GetIPReal();
QString GetIPReal(const QString &enderecoEco, int tempoLimiteMs = kTempoLimiteIpMs);

// True when the system reports a usable network connection.
bool IsConnected();

} // namespace app
