#!/usr/bin/python3
"""A real SMTP server on loopback for the tests (aiosmtpd).

AUTH LOGIN and PLAIN for one user; in the clear, or with STARTTLS required before AUTH, or TLS from the
first byte, with a certificate made here by the openssl command. Prints "CA <file>" (with TLS: the CA
that clients are to trust) and "PORT <n>" once it listens, then one JSON object per line for every
message that reached the end of DATA. Ends when its standard input closes.
"""
import argparse
import asyncio
import json
import logging
import os
import ssl
import subprocess
import sys
import tempfile
import threading

from aiosmtpd.smtp import SMTP, AuthResult


class CommonWording(SMTP):
    """Prompts worded as most servers word them ("Username:", "Password:")."""
    AuthLoginUsernameChallenge = "Username:"
    AuthLoginPasswordChallenge = "Password:"


class RefusesEhlo(CommonWording):
    """An older server: EHLO is unknown, AUTH is offered after HELO."""
    async def smtp_EHLO(self, arg):
        await self.push("502 5.5.1 Command not implemented")

    async def smtp_HELO(self, arg):
        await super().smtp_HELO(arg)
        self.session.extended_smtp = True


class Handler:
    def __init__(self, reject):
        self.reject = reject

    async def handle_DATA(self, server, session, envelope):
        print(json.dumps({
            "helo": session.host_name,
            "login": session.auth_data.login.decode() if session.authenticated else None,
            "mechanism": session.auth_data.mechanism if session.authenticated else None,
            "tls": server.transport.get_extra_info("ssl_object") is not None,
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "data": envelope.content.decode("utf-8", "replace"),
            "rejected": self.reject,
        }), flush=True)
        return "554 5.7.1 Message refused" if self.reject else "250 2.0.0 Message accepted"


class Login:
    """What the authenticator hands to the session: who logged in, and how."""
    def __init__(self, login, mechanism):
        self.login = login
        self.mechanism = mechanism


def make_certificates(folder, host, trusted_issuer):
    """A CA for the clients to trust, and the server's certificate for host, issued by that CA or by
    one that nobody trusts. Returns the files of the CA, the certificate and its key."""
    def openssl(*args):
        subprocess.run(["openssl", *args], cwd=folder, check=True, capture_output=True)

    new_key = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]  # made in milliseconds
    issuer = "trusted" if trusted_issuer else "untrusted"
    for ca in {"trusted", issuer}:
        openssl("req", "-x509", *new_key, "-keyout", f"{ca}.key", "-out", f"{ca}.pem", "-days", "2",
                "-subj", f"/CN=Lumora {ca} CA", "-addext", "basicConstraints=critical,CA:TRUE",
                "-addext", "keyUsage=critical,keyCertSign,cRLSign")
    with open(os.path.join(folder, "server.ext"), "w", encoding="utf-8") as extensions:
        extensions.write(f"subjectAltName=DNS:{host}\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n")
    openssl("req", "-new", *new_key, "-keyout", "server.key", "-out", "server.csr", "-subj", f"/CN={host}")
    openssl("x509", "-req", "-in", "server.csr", "-CA", f"{issuer}.pem", "-CAkey", f"{issuer}.key",
            "-set_serial", "2", "-days", "2", "-extfile", "server.ext", "-out", "server.pem")
    return [os.path.join(folder, name) for name in ("trusted.pem", "server.pem", "server.key")]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--wording", choices=["common", "aiosmtpd"], default="common")
    parser.add_argument("--refuse-ehlo", action="store_true", help="answer EHLO with 502, take HELO")
    parser.add_argument("--reject", action="store_true", help="refuse every message after its data")
    parser.add_argument("--tls", choices=["none", "starttls", "implicit"], default="none",
                        help="starttls: offered, and required before AUTH; implicit: TLS from the first byte")
    parser.add_argument("--certificate-host", default="localhost", help="the host its certificate is for")
    parser.add_argument("--untrusted-issuer", action="store_true", help="a certificate from an unknown CA")
    parser.add_argument("--plain-only", action="store_true", help="offer AUTH PLAIN, not LOGIN")
    args = parser.parse_args()
    # aiosmtpd logs a warning about its own use of a deprecated session field, and every
    # handshake that the client breaks off.
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = (mechanism in ("LOGIN", "PLAIN") and auth_data.login == args.user.encode()
              and auth_data.password == args.password.encode())
        return AuthResult(success=ok, handled=False, auth_data=Login(auth_data.login, mechanism))

    tls_context = None
    folder = tempfile.TemporaryDirectory()
    if args.tls != "none":
        ca, certificate, key = make_certificates(folder.name, args.certificate_host, not args.untrusted_issuer)
        tls_context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        tls_context.load_cert_chain(certificate, key)
        print("CA", ca, flush=True)
    server_class = RefusesEhlo if args.refuse_ehlo else CommonWording if args.wording == "common" else SMTP
    handler = Handler(args.reject)
    starttls = args.tls == "starttls"

    def make_session():
        return server_class(handler, hostname="mail.test", authenticator=authenticator,
                            tls_context=tls_context if starttls else None, require_starttls=starttls,
                            auth_require_tls=starttls,
                            auth_exclude_mechanism=["LOGIN"] if args.plain_only else None)

    async def serve():
        loop = asyncio.get_running_loop()
        server = await loop.create_server(make_session, "127.0.0.1", 0,
                                          ssl=tls_context if args.tls == "implicit" else None)
        print("PORT", server.sockets[0].getsockname()[1], flush=True)
        stdin_closed = asyncio.Event()
        threading.Thread(target=lambda: (sys.stdin.read(), loop.call_soon_threadsafe(stdin_closed.set)),
                         daemon=True).start()
        await stdin_closed.wait()

    asyncio.run(serve())
    folder.cleanup()


if __name__ == "__main__":
    main()
