#!/usr/bin/python3
"""A real SMTP server on loopback for the tests (aiosmtpd, AUTH LOGIN without TLS).

Prints "PORT <n>" once it listens, then one JSON object per line for every
message that reached the end of DATA. Ends when its standard input closes.
"""
import argparse
import asyncio
import json
import sys
import logging
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
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "data": envelope.content.decode("utf-8", "replace"),
            "rejected": self.reject,
        }), flush=True)
        return "554 5.7.1 Message refused" if self.reject else "250 2.0.0 Message accepted"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--wording", choices=["common", "aiosmtpd"], default="common")
    parser.add_argument("--refuse-ehlo", action="store_true", help="answer EHLO with 502, take HELO")
    parser.add_argument("--reject", action="store_true", help="refuse every message after its data")
    args = parser.parse_args()
    # aiosmtpd logs a warning about its own use of a deprecated session field.
    logging.getLogger("mail.log").setLevel(logging.ERROR)

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = (mechanism == "LOGIN" and auth_data.login == args.user.encode()
              and auth_data.password == args.password.encode())
        return AuthResult(success=ok, handled=False, auth_data=auth_data)

    server_class = RefusesEhlo if args.refuse_ehlo else CommonWording if args.wording == "common" else SMTP
    handler = Handler(args.reject)

    async def serve():
        loop = asyncio.get_running_loop()
        server = await loop.create_server(
            lambda: server_class(handler, hostname="mail.test", authenticator=authenticator,
                                 auth_require_tls=False),
            "127.0.0.1", 0)
        print("PORT", server.sockets[0].getsockname()[1], flush=True)
        stdin_closed = asyncio.Event()
        threading.Thread(target=lambda: (sys.stdin.read(), loop.call_soon_threadsafe(stdin_closed.set)),
                         daemon=True).start()
        await stdin_closed.wait()

    asyncio.run(serve())


if __name__ == "__main__":
    main()
