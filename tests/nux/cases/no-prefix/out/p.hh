[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"p.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<pUtils>
[hh.declare.value] arg_type=<ret(long)> arg_name=<count>
[hh.declare] interface_name=<Bank.Account> server_identifier=<acct>

[hh.end] header_check=<hTIMEhPIDhN_h>
